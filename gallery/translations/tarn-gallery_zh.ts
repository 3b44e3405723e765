<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>GalleryWindow</name>
    <message>
        <source>TarnUILib gallery</source>
        <translation>TarnUILib 示例</translation>
    </message>
    <message>
        <source>Move the pointer over the controls.</source>
        <translation>将鼠标移到控件上。</translation>
    </message>
    <message>
        <source>Pixel 7</source>
        <translation>Pixel 7</translation>
    </message>
    <message>
        <source>Tablet</source>
        <translation>平板</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>手机</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Root</source>
        <translation>Root 权限</translation>
    </message>
    <message>
        <source>A label</source>
        <translation>一个标签</translation>
    </message>
    <message>
        <source>Button</source>
        <translation>按钮</translation>
    </message>
    <message>
        <source>Hover-signalling controls</source>
        <translation>悬停提示控件</translation>
    </message>
    <message>
        <source>Instance %1</source>
        <translation>实例 %1</translation>
    </message>
    <message>
        <source>Images from %1</source>
        <translation>图片来自 %1</translation>
    </message>
    <message>
        <source>Auto-hide scroll bar and rotating label</source>
        <translation>自动隐藏滚动条和旋转标签</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>检查</translation>
    </message>
    <message>
        <source>%1 is a valid address</source>
        <translation>%1 是有效地址</translation>
    </message>
    <message>
        <source>%1 is not a valid address</source>
        <translation>%1 不是有效地址</translation>
    </message>
    <message>
        <source>IPv4 address</source>
        <translation>IPv4 地址</translation>
    </message>
    <message>
        <source>Message box…</source>
        <translation>消息框…</translation>
    </message>
    <message>
        <source>Shortcut settings…</source>
        <translation>快捷键设置…</translation>
    </message>
    <message>
        <source>Notice…</source>
        <translation>通知…</translation>
    </message>
    <message>
        <source>Stay on top</source>
        <translation>置顶</translation>
    </message>
    <message>
        <source>Dialogs</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Tarn</source>
        <translation>Tarn</translation>
    </message>
    <message>
        <source>Delete the instance &quot;Pixel 7&quot;?</source>
        <translation>删除实例“Pixel 7”？</translation>
    </message>
    <message>
        <source>Its apps and data are removed as well.</source>
        <translation>其中的应用和数据也会一并删除。</translation>
    </message>
    <message>
        <source>Keep the disk image</source>
        <translation>保留磁盘映像</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Message box closed from its title bar</source>
        <translation>消息框已从标题栏关闭</translation>
    </message>
    <message>
        <source>Deleted (disk image %1)</source>
        <translation>已删除（磁盘映像%1）</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>已保留</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>已删除</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>TarnUILib 2.0 is ready to install.</source>
        <translation>TarnUILib 2.0 已可安装。</translation>
    </message>
    <message>
        <source>Running instances are saved and restarted.</source>
        <translation>运行中的实例会被保存并重新启动。</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://example.org/tarn&quot;&gt;What is new&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;https://example.org/tarn&quot;&gt;新功能&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Back up instances first</source>
        <translation>先备份实例</translation>
    </message>
    <message>
        <source>Install updates by themselves</source>
        <translation>自动安装更新</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>发行说明</translation>
    </message>
    <message>
        <source>Release notes asked for</source>
        <translation>已请求发行说明</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>稍后</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>安装</translation>
    </message>
    <message>
        <source>Notice closed by %1</source>
        <translation>通知已由%1关闭</translation>
    </message>
    <message>
        <source>its title bar</source>
        <translation>标题栏</translation>
    </message>
    <message>
        <source>Shortcut settings</source>
        <translation>快捷键设置</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>快捷键：%1</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>设置文件：%1</translation>
    </message>
    <message>
        <source>The settings file could not be read or written:</source>
        <translation>无法读取或写入设置文件：</translation>
    </message>
    <message>
        <source>Shortcuts you saved stay in effect and are written at the next save that works.</source>
        <translation>已保存的快捷键继续有效，并会在下次保存成功时写入。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Instances</source>
        <translation>实例列表</translation>
    </message>
</context>
</TS>
