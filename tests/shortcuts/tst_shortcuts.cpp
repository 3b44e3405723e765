// SPDX-License-Identifier: LGPL-2.1-or-later
#include "noticecloser.h"
#include "shortcutedit.h"
#include "shortcuts.h"
#include "tarninterface.h"
#include "tarnlib.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QSettings>
#include <QTemporaryDir>

Q_DECLARE_METATYPE(ShortCutsKey)

namespace {
QGridLayout *grid(QLayoutItem *item)
{
    return qobject_cast<QGridLayout *>(item->layout());
}

QGridLayout *column(ShortCuts &page, int which)
{
    return grid(grid(page.layout()->itemAt(0))->itemAtPosition(0, which));
}

// Position p of the row list is row p of the left column, or row p - 6 of the right one.
struct PageRow
{
    QCheckBox *box;
    QLabel *label;
    ShortCutEdit *edit;
    QGridLayout *layout;
};

PageRow pageRow(ShortCuts &page, int position)
{
    QGridLayout *col = column(page, position / 6);
    QGridLayout *row = grid(col->itemAtPosition(position % 6, 0));
    return { qobject_cast<QCheckBox *>(row->itemAtPosition(0, 0)->widget()),
             qobject_cast<QLabel *>(row->itemAtPosition(0, 1)->widget()),
             qobject_cast<ShortCutEdit *>(col->itemAtPosition(position % 6, 1)->widget()), row };
}

// Row-list position of each action index.
constexpr int positionOf[] = { 0, 6, 1, 7, 2, 8, 3, 9, 4, 10, 5 };

QPushButton *button(ShortCuts &page, const QString &text)
{
    for (QPushButton *candidate : page.findChildren<QPushButton *>()) {
        if (candidate->text() == text)
            return candidate;
    }
    return nullptr;
}

QString calls()
{
    const QString all = ShortCutsManager::_instance->calls().join(';');
    ShortCutsManager::_instance->clearCalls();
    return all;
}

void compatRow(const char *name, bool enabledStored, bool keyStored, bool enabled, const char *key,
               bool givenEnabled, const char *givenKey, const char *calls)
{
    const ShortCutsKey entry {
        "Zoom out", "ZoomOut", "F3", enabled, key, enabledStored, keyStored
    };
    QTest::newRow(name) << entry << givenEnabled << QString(givenKey) << QString(calls);
}
} // namespace

class TestShortCuts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void rows_data();
    void rows();
    void buttonsSignalAndManager();
    void sizes_data();
    void sizes();
    void compatRestoreFlagCases_data();
    void compatRestoreFlagCases();
    void firstLoadMigratesSecondWritesNothing();
    void loadDisabledEntryAndSkipUnknown();
    void pageButtons_data();
    void pageButtons();
    void capturedKeySurvivesRestart();

private:
    QString configPath() const { return m_dir.filePath(QStringLiteral("tarn.ini")); }
    QTemporaryDir m_dir;
    TarnInterface m_iface;
};

void TestShortCuts::initTestCase()
{
    setTarnConfigPath(configPath());
}

void TestShortCuts::init()
{
    gScale = 1.0;
    QFile::remove(configPath());
}

void TestShortCuts::cleanup()
{
    delete ShortCutsManager::_instance;
    ShortCutsManager::_instance = nullptr;
}

void TestShortCuts::rows_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("label");
    const QStringList labels = { "老板键",   "映射开关", "放大屏幕", "缩小屏幕",
                                 "切换全屏", "返回桌面", "摇一摇",   "截图",
                                 "返回",     "最近应用", "菜单" };
    for (int index = 0; index < 11; ++index)
        QTest::newRow(qPrintable(labels.at(index))) << index << labels.at(index);
}

void TestShortCuts::rows()
{
    QFETCH(int, index);
    QFETCH(QString, label);
    QWidget window;
    ShortCuts page(&window, &m_iface);
    const PageRow row = pageRow(page, positionOf[index]);
    QCOMPARE(row.edit->getIndex(), index);
    QCOMPARE(row.edit->objectName(), index == 0 ? QStringLiteral("bosskey") : QString());
    QCOMPARE(row.label->text(), label);
    QCOMPARE(row.label->objectName(), QStringLiteral("TarnLabelText_Regular_12"));
    QCOMPARE(row.box->objectName(), QStringLiteral("TarnChkbox"));
    QVERIFY(!row.box->isChecked() && row.edit->text().isEmpty() && row.box->parent() == &page);
    // Edits are created in row-list order.
    QCOMPARE(page.findChildren<ShortCutEdit *>().indexOf(row.edit), positionOf[index]);
}

void TestShortCuts::buttonsSignalAndManager()
{
    QWidget window;
    ShortCuts page(&window, &m_iface);
    ShortCutsManager *manager = ShortCutsManager::_instance;
    QVERIFY(manager);
    ShortCuts second(&window, &m_iface);
    QCOMPARE(ShortCutsManager::_instance, manager);
    QSignalSpy applied(manager, &ShortCutsManager::shortCutsApplied);
    emit page.updateShortCutKey();
    emit second.updateShortCutKey();
    QCOMPARE(applied.count(), 2);

    QWidget *bar = page.findChild<QWidget *>(QStringLiteral("TarnButtonsWidget"));
    QCOMPARE(button(page, "保存")->objectName(), QStringLiteral("greenColor"));
    QVERIFY(button(page, "保存")->parent() == bar && button(page, "取消")->parent() == bar);
    QCOMPARE(column(page, 1)->itemAtPosition(5, 1)->widget(), button(page, "恢复默认"));
    const QMetaObject *meta = page.metaObject();
    QStringList methods;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
        methods << meta->method(i).methodSignature();
    QCOMPARE(methods.join(' '),
             "updateShortCutKey() saveShortCuts() revertShortCuts() adjustText(QString)");
    QString compact;
    QVERIFY(QMetaObject::invokeMethod(&page, "adjustText", Q_RETURN_ARG(QString, compact),
                                      Q_ARG(QString, " Ctrl + Enter2 ")));
    QCOMPARE(compact, QStringLiteral("Ctrl+Enter"));
}

void TestShortCuts::sizes_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("1.0") << 1.0 << QList<int> { 30, 100, 6, 20, 30, 60, 30, 15, 60, 20, 100, 30 };
    QTest::newRow("1.25 truncated")
        << 1.25 << QList<int> { 37, 125, 7, 25, 37, 75, 37, 18, 75, 25, 125, 30 };
}

// Edit height and minimum width, row spacing, column spacings, page margins, page
// spacing, bar height and spacing, restore-defaults width and its row's height.
void TestShortCuts::sizes()
{
    QFETCH(double, scale);
    QFETCH(QList<int>, expected);
    gScale = scale;
    QWidget window;
    ShortCuts page(&window, &m_iface);
    gScale = 1.0;
    window.resize(1000, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const PageRow row = pageRow(page, 10);
    const QGridLayout *right = column(page, 1);
    const QMargins margins = grid(page.layout()->itemAt(0))->contentsMargins();
    QWidget *bar = page.findChild<QWidget *>(QStringLiteral("TarnButtonsWidget"));
    const QList<int> actual = { row.edit->height(),
                                row.edit->minimumWidth(),
                                row.layout->spacing(),
                                right->horizontalSpacing(),
                                right->verticalSpacing(),
                                margins.left(),
                                margins.top(),
                                page.layout()->spacing(),
                                bar->height(),
                                bar->layout()->spacing(),
                                button(page, "恢复默认")->minimumWidth(),
                                right->rowMinimumHeight(5) };
    QCOMPARE(actual, expected);
    // Geometry: the second left row starts one edit and one row gap below the first.
    QCOMPARE(pageRow(page, 1).edit->y() - pageRow(page, 0).edit->y(), expected[0] + expected[4]);
    QCOMPARE(pageRow(page, 0).edit->y(), expected[6]);
    QCOMPARE(bar->geometry().bottom(), page.height() - 1);
}

void TestShortCuts::compatRestoreFlagCases_data()
{
    QTest::addColumn<ShortCutsKey>("entry");
    QTest::addColumn<bool>("givenEnabled");
    QTest::addColumn<QString>("givenKey");
    QTest::addColumn<QString>("calls");
    compatRow("no flags: given key", false, false, true, "F2", false, "Ctrl+F1",
              "updateConfig(3,false,Ctrl+F1);saveConfig(3)");
    compatRow("no flags: entry key", false, false, false, "F2", true, "",
              "updateConfig(3,true,F2);saveConfig(3)");
    compatRow("no flags: default", false, false, false, "", true, "",
              "updateConfig(3,true,F3);saveConfig(3)");
    compatRow("enabled stored", true, false, true, "F2", false, "Ctrl+F1",
              "updateConfig(3,true,Ctrl+F1);saveConfig(3)");
    compatRow("key stored: default", false, true, true, "", false, "Ctrl+F1",
              "updateConfig(3,false,F3);saveConfig(3)");
    compatRow("key stored: entry key", false, true, false, "F2", true, "Ctrl+F1",
              "updateConfig(3,true,F2);saveConfig(3)");
    compatRow("both stored", true, true, true, "F2", false, "Ctrl+F1", "");
}

void TestShortCuts::compatRestoreFlagCases()
{
    QFETCH(ShortCutsKey, entry);
    QFETCH(bool, givenEnabled);
    QFETCH(QString, givenKey);
    QFETCH(QString, calls);
    QWidget window;
    ShortCuts page(&window, &m_iface);
    ShortCutsManager::_instance->seedEntry(ShortCutsManager::ZoomOut, entry);
    page.compatRestoreConfig(ShortCutsManager::ZoomOut, givenEnabled, givenKey);
    QCOMPARE(::calls(), calls);
    entry.name.clear(); // an unknown entry is never written
    ShortCutsManager::_instance->seedEntry(ShortCutsManager::ZoomOut, entry);
    page.compatRestoreConfig(ShortCutsManager::ZoomOut, givenEnabled, givenKey);
    QCOMPARE(::calls(), QString());
}

// Older settings: some texts, an empty one, missing ones (null), and their flags.
void TestShortCuts::firstLoadMigratesSecondWritesNothing()
{
    {
        QSettings legacy(configPath(), QSettings::IniFormat);
        legacy.setValue("Legacy/BossKeyEdit", "Ctrl+Alt+B");
        legacy.setValue("Legacy/BossKey", true);
        legacy.setValue("Legacy/KeyMapEdit", "");
        legacy.setValue("Legacy/ShakeEdit", "Alt+Backspace");
        legacy.setValue("Legacy/Shake", true);
    }
    QWidget window;
    ShortCuts page(&window, &m_iface);
    page.loadShortCuts();
    QCOMPARE(calls(),
             "loadShortCutsKey();updateConfig(0,true,Ctrl+Alt+B);saveConfig(0);"
             "updateConfig(1,false,Ctrl+Alt+K);saveConfig(1);updateConfig(2,false,Ctrl+Alt+Up);"
             "saveConfig(2);updateConfig(3,false,Ctrl+Alt+Down);saveConfig(3);"
             "updateConfig(5,false,Ctrl+Alt+H);saveConfig(5);updateConfig(6,true,Alt+Backspace);"
             "saveConfig(6);updateConfig(7,false,Ctrl+Alt+P);saveConfig(7);"
             "updateConfig(4,true,F11);saveConfig(4);updateConfig(8,true,Esc);saveConfig(8);"
             "updateConfig(9,true,Ctrl + Alt + R);saveConfig(9);"
             "updateConfig(10,true,Ctrl + Alt + M);saveConfig(10)");
    const PageRow shake = pageRow(page, positionOf[6]);
    QVERIFY(shake.box->isChecked() && !pageRow(page, positionOf[5]).box->isChecked());
    QCOMPARE(shake.edit->text(), QStringLiteral("Alt + Back"));
    page.loadShortCuts();
    QCOMPARE(calls(), QStringLiteral("loadShortCutsKey()"));
}

void TestShortCuts::loadDisabledEntryAndSkipUnknown()
{
    QWidget window;
    ShortCuts page(&window, &m_iface);
    ShortCutsManager::_instance->seedEntry(
        ShortCutsManager::Screenshot, { "Shot", "Shot", "F3", false, "Ctrl+Alt+Q", true, true });
    ShortCutsManager::_instance->seedEntry(ShortCutsManager::Menu,
                                           { "Menu", "", "F4", true, "F4" });
    const PageRow menu = pageRow(page, positionOf[10]);
    menu.edit->setText(QStringLiteral("as it was"));
    page.loadShortCuts();
    QCOMPARE(menu.edit->text(), QStringLiteral("as it was"));
    QVERIFY(!menu.box->isChecked());
    const PageRow shot = pageRow(page, positionOf[7]);
    QVERIFY(!shot.box->isChecked());
    QCOMPARE(shot.edit->text(), QStringLiteral("Ctrl + Alt + Q"));
    Notice notice; // the loaded text is also what a refused capture falls back to
    closeNoticeLater(notice);
    QTest::keyClick(shot.edit, Qt::Key_Escape);
    QVERIFY(notice.shown);
    QCOMPARE(shot.edit->text(), QStringLiteral("Ctrl + Alt + Q"));
}

// Before any button, the user unticks Full screen, empties Menu's edit with a lone Ctrl
// and finds Home showing a keypad Enter.
void TestShortCuts::pageButtons_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("calls");
    QTest::addColumn<bool>("open");
    QTest::newRow("cancel") << QStringList { "取消" } << QString() << false;
    QTest::newRow("restore then cancel")
        << QStringList { "恢复默认", "取消" } << QString() << false;
    QTest::newRow("save") << QStringList { "保存" }
                          << "updateConfig(0,false,Ctrl+Alt+X);updateConfig(2,false,Ctrl+Alt+Up);"
                             "updateConfig(4,false,F11);updateConfig(6,false,Ctrl+Alt+Z);"
                             "updateConfig(8,true,Esc);updateConfig(10,true,);"
                             "updateConfig(1,false,Ctrl+Alt+K);updateConfig(3,false,Ctrl+Alt+Down);"
                             "updateConfig(5,false,Ctrl+Enter);updateConfig(7,false,Ctrl+Alt+P);"
                             "updateConfig(9,true,Ctrl+Alt+R);saveAllConfigs();updateShortCutKey()"
                          << false;
    QTest::newRow("restore then save")
        << QStringList { "恢复默认", "保存" }
        << "updateConfig(0,true,Ctrl+Alt+X);updateConfig(2,true,Ctrl+Alt+Up);"
           "updateConfig(4,true,F11);updateConfig(6,true,Ctrl+Alt+Z);updateConfig(8,true,Esc);"
           "updateConfig(10,true,Ctrl+Alt+M);updateConfig(1,true,Ctrl+Alt+K);"
           "updateConfig(3,true,Ctrl+Alt+Down);updateConfig(5,true,Ctrl+Alt+H);"
           "updateConfig(7,true,Ctrl+Alt+P);updateConfig(9,true,Ctrl+Alt+R);saveAllConfigs();"
           "updateShortCutKey()"
        << false;
    QTest::newRow("restore writes nothing") << QStringList { "恢复默认" } << QString() << true;
}

void TestShortCuts::pageButtons()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, calls);
    QFETCH(bool, open);
    QWidget window;
    ShortCuts page(&window, &m_iface);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    page.loadShortCuts();
    ::calls();
    const PageRow fullScreen = pageRow(page, positionOf[4]);
    QTest::mouseClick(fullScreen.box, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!fullScreen.box->isChecked() && fullScreen.edit->isEnabled());
    QTest::keyPress(pageRow(page, positionOf[10]).edit, Qt::Key_Control);
    QTest::keyRelease(pageRow(page, positionOf[10]).edit, Qt::Key_Control);
    pageRow(page, positionOf[5]).edit->setText(QStringLiteral("Ctrl + Enter2"));
    bool openWhenApplied = false;
    connect(ShortCutsManager::_instance, &ShortCutsManager::shortCutsApplied, this,
            [&] { openWhenApplied = window.isVisible(); });
    for (const QString &text : clicks)
        QTest::mouseClick(button(page, text), Qt::LeftButton);
    QCOMPARE(::calls(), calls);
    QCOMPARE(window.isVisible(), open);
    QCOMPARE(openWhenApplied, calls.endsWith(QLatin1String("updateShortCutKey()")));
}

// As a user would: open the page, switch Screenshot on, press a new key for it, save, and
// find the key again in a manager that starts from the same file.
void TestShortCuts::capturedKeySurvivesRestart()
{
    QWidget window;
    ShortCuts page(&window, &m_iface);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    page.loadShortCuts();
    const PageRow shot = pageRow(page, positionOf[7]);
    QTest::mouseClick(shot.box, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(shot.edit, Qt::LeftButton);
    QTest::keyClick(shot.edit, Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
    QTest::mouseClick(button(page, "保存"), Qt::LeftButton);
    delete ShortCutsManager::_instance;
    ShortCutsManager::_instance = new ShortCutsManager;
    ShortCuts reopened(&window, &m_iface);
    reopened.loadShortCuts();
    QCOMPARE(pageRow(reopened, positionOf[7]).edit->text(), QStringLiteral("Ctrl + Alt + S"));
    QVERIFY(pageRow(reopened, positionOf[7]).box->isChecked());
}

QTEST_MAIN(TestShortCuts)
#include "tst_shortcuts.moc"
