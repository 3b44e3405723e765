<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>RotateAnimLabel</name>
    <message>
        <source>正在加载</source>
        <translation>Loading</translation>
    </message>
</context>
<context>
    <name>ShortCutEdit</name>
    <message>
        <source>Tarn</source>
        <translation>Tarn</translation>
    </message>
    <message>
        <source>快捷键冲突</source>
        <translation>Shortcut conflict</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>按下组合键即可设为快捷键</source>
        <translation>Press a key combination to make it the shortcut</translation>
    </message>
</context>
<context>
    <name>ShortCuts</name>
    <message>
        <source>老板键</source>
        <translation>Boss key</translation>
    </message>
    <message>
        <source>放大屏幕</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>切换全屏</source>
        <translation>Toggle full screen</translation>
    </message>
    <message>
        <source>摇一摇</source>
        <translation>Shake</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>菜单</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>映射开关</source>
        <translation>Key mapping</translation>
    </message>
    <message>
        <source>缩小屏幕</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>返回桌面</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>截图</source>
        <translation>Screenshot</translation>
    </message>
    <message>
        <source>最近应用</source>
        <translation>Recent apps</translation>
    </message>
    <message>
        <source>恢复默认</source>
        <translation>Restore defaults</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>启用%1</source>
        <translation>Enable %1</translation>
    </message>
</context>
<context>
    <name>TarnBaseDialog</name>
    <message>
        <source>最小化</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>最大化</source>
        <translation>Maximize</translation>
    </message>
    <message>
        <source>还原</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TarnIpAddrEdit</name>
    <message>
        <source>IPv4 地址，第 %1 段，共 %2 段</source>
        <translation>IPv4 address, part %1 of %2</translation>
    </message>
</context>
</TS>
