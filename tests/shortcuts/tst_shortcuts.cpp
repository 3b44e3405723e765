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
#include <QVBoxLayout>

namespace {
// One row of the page as its layouts place it: position p of the row list is row p of
// the left column, or row p - 6 of the right one.
struct PageRow
{
    QCheckBox *box;
    QLabel *label;
    ShortCutEdit *edit;
    QGridLayout *layout;
};

QGridLayout *columns(ShortCuts &page)
{
    return qobject_cast<QGridLayout *>(page.layout()->itemAt(0)->layout());
}

QGridLayout *column(ShortCuts &page, int which)
{
    return qobject_cast<QGridLayout *>(columns(page)->itemAtPosition(0, which)->layout());
}

PageRow pageRow(ShortCuts &page, int position)
{
    QGridLayout *grid = column(page, position < 6 ? 0 : 1);
    const int row = position % 6;
    auto *layout = qobject_cast<QGridLayout *>(grid->itemAtPosition(row, 0)->layout());
    return { qobject_cast<QCheckBox *>(layout->itemAtPosition(0, 0)->widget()),
             qobject_cast<QLabel *>(layout->itemAtPosition(0, 1)->widget()),
             qobject_cast<ShortCutEdit *>(grid->itemAtPosition(row, 1)->widget()), layout };
}

PageRow rowForAction(ShortCuts &page, int index)
{
    for (int position = 0; position < 11; ++position) {
        const PageRow row = pageRow(page, position);
        if (row.edit->getIndex() == index)
            return row;
    }
    return {};
}

QPushButton *button(ShortCuts &page, const QString &text)
{
    const QList<QPushButton *> buttons = page.findChildren<QPushButton *>();
    for (QPushButton *candidate : buttons) {
        if (candidate->text() == text)
            return candidate;
    }
    return nullptr;
}

ShortCutsKey entry(bool enabledStored, bool keyStored, bool enabled, const QString &key,
                   const QString &defaultKey)
{
    return { QStringLiteral("Zoom out"),
             QStringLiteral("ZoomOut"),
             defaultKey,
             enabled,
             key,
             enabledStored,
             keyStored };
}
} // namespace

class TestShortCuts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void rowsInListOrder_data();
    void rowsInListOrder();
    void buttonsAndMethodTable();
    void sizesFollowTheScale_data();
    void sizesFollowTheScale();
    void managerCreatedOnlyWhenMissing_data();
    void managerCreatedOnlyWhenMissing();
    void compatRestoreFlagCases_data();
    void compatRestoreFlagCases();
    void firstLoadMigratesThenSecondWritesNothing();
    void loadShowsDisabledEntryAndSkipsUnknown();
    void restoreDefaultsThenCancelWritesNothing();
    void untickingWritesNothing();
    void saveWritesEveryRowThenClosesAfterApply();
    void capturedKeySurvivesRestart();

private:
    QString configPath() const { return m_dir.filePath(QStringLiteral("tarn.ini")); }
    QTemporaryDir m_dir;
};

void TestShortCuts::initTestCase()
{
    QVERIFY(m_dir.isValid());
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

void TestShortCuts::rowsInListOrder_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("editName");
    QTest::newRow("boss key") << 0 << 0 << "老板键"
                              << "bosskey";
    QTest::newRow("zoom in") << 1 << 2 << "放大屏幕" << QString();
    QTest::newRow("full screen") << 2 << 4 << "切换全屏" << QString();
    QTest::newRow("shake") << 3 << 6 << "摇一摇" << QString();
    QTest::newRow("back") << 4 << 8 << "返回" << QString();
    QTest::newRow("menu") << 5 << 10 << "菜单" << QString();
    QTest::newRow("key map") << 6 << 1 << "映射开关" << QString();
    QTest::newRow("zoom out") << 7 << 3 << "缩小屏幕" << QString();
    QTest::newRow("home") << 8 << 5 << "返回桌面" << QString();
    QTest::newRow("screenshot") << 9 << 7 << "截图" << QString();
    QTest::newRow("recent apps") << 10 << 9 << "最近应用" << QString();
}

void TestShortCuts::rowsInListOrder()
{
    QFETCH(int, position);
    QFETCH(int, index);
    QFETCH(QString, label);
    QFETCH(QString, editName);
    TarnInterface iface;
    QWidget window;
    ShortCuts page(&window, &iface);
    const PageRow row = pageRow(page, position);
    QCOMPARE(row.edit->getIndex(), index);
    QCOMPARE(row.edit->objectName(), editName);
    QCOMPARE(row.edit->parent(), &page);
    QCOMPARE(row.edit->text(), QString());
    QCOMPARE(row.label->text(), label);
    QCOMPARE(row.label->objectName(), QStringLiteral("TarnLabelText_Regular_12"));
    QCOMPARE(row.label->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
    QCOMPARE(row.box->objectName(), QStringLiteral("TarnChkbox"));
    QCOMPARE(row.box->text(), QString());
    QVERIFY(!row.box->isChecked());
    QCOMPARE(row.box->parent(), &page);
    QCOMPARE(row.box->sizePolicy(), QSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed));
    QCOMPARE(row.label->sizePolicy(), QSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred));
    QCOMPARE(row.edit->sizePolicy(), QSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred));
    // The edits are created in row-list order, one per row.
    const auto edits = page.findChildren<ShortCutEdit *>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(edits.size(), 11);
    QCOMPARE(edits.at(position), row.edit);
}

void TestShortCuts::buttonsAndMethodTable()
{
    TarnInterface iface;
    QWidget window;
    ShortCuts page(&window, &iface);
    QCOMPARE(page.metaObject()->className(), "ShortCuts");
    QCOMPARE(page.parentWidget(), &window);
    QWidget *bar = page.findChild<QWidget *>(QStringLiteral("TarnButtonsWidget"));
    QVERIFY(bar);
    QCOMPARE(button(page, QStringLiteral("保存"))->objectName(), QStringLiteral("greenColor"));
    QCOMPARE(button(page, QStringLiteral("保存"))->parent(), bar);
    QCOMPARE(button(page, QStringLiteral("取消"))->parent(), bar);
    QCOMPARE(button(page, QStringLiteral("取消"))->objectName(), QString());
    QPushButton *restore = button(page, QStringLiteral("恢复默认"));
    QCOMPARE(restore->parent(), &page);
    QCOMPARE(restore->sizePolicy(), QSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed));
    QCOMPARE(column(page, 1)->itemAtPosition(5, 1)->widget(), restore);
    QCOMPARE(column(page, 1)->itemAtPosition(5, 1)->alignment(), Qt::AlignRight | Qt::AlignVCenter);

    const QMetaObject *meta = page.metaObject();
    const int first = meta->methodOffset();
    const QByteArrayList expected = { "updateShortCutKey()", "saveShortCuts()", "revertShortCuts()",
                                      "adjustText(QString)" };
    QCOMPARE(meta->methodCount() - first, expected.size());
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(meta->method(first + i).methodSignature(), expected.at(i));
    QCOMPARE(meta->method(first).methodType(), QMetaMethod::Signal);
    QCOMPARE(meta->method(first + 3).access(), QMetaMethod::Private);
    QCOMPARE(meta->method(first + 3).parameterNames(), QByteArrayList { "text" });
    QString compact;
    QVERIFY(QMetaObject::invokeMethod(&page, "adjustText", Q_RETURN_ARG(QString, compact),
                                      Q_ARG(QString, QStringLiteral(" Ctrl + Enter2 "))));
    QCOMPARE(compact, QStringLiteral("Ctrl+Enter"));
}

void TestShortCuts::sizesFollowTheScale_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("editHeight");
    QTest::addColumn<int>("minWidth");
    QTest::addColumn<int>("rowSpacing");
    QTest::addColumn<int>("gridSpacing");
    QTest::addColumn<int>("gridVertical");
    QTest::addColumn<int>("marginX");
    QTest::addColumn<int>("marginY");
    QTest::addColumn<int>("pageSpacing");
    QTest::addColumn<int>("barHeight");
    QTest::addColumn<int>("barSpacing");
    QTest::newRow("1.0") << 1.0 << 30 << 100 << 6 << 20 << 30 << 60 << 30 << 15 << 60 << 20;
    QTest::newRow("1.25 truncates")
        << 1.25 << 37 << 125 << 7 << 25 << 37 << 75 << 37 << 18 << 75 << 25;
}

void TestShortCuts::sizesFollowTheScale()
{
    QFETCH(double, scale);
    QFETCH(int, editHeight);
    QFETCH(int, minWidth);
    QFETCH(int, rowSpacing);
    QFETCH(int, gridSpacing);
    QFETCH(int, gridVertical);
    QFETCH(int, marginX);
    QFETCH(int, marginY);
    QFETCH(int, pageSpacing);
    QFETCH(int, barHeight);
    QFETCH(int, barSpacing);
    gScale = scale;
    TarnInterface iface;
    QWidget window;
    ShortCuts page(&window, &iface);
    gScale = 1.0; // sizes are taken when the page is built
    window.resize(1000, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (int position = 0; position < 11; ++position) {
        const PageRow row = pageRow(page, position);
        QCOMPARE(row.edit->height(), editHeight);
        QCOMPARE(row.edit->minimumWidth(), minWidth);
        QCOMPARE(row.layout->spacing(), rowSpacing);
        QCOMPARE(row.layout->contentsMargins(), QMargins());
    }
    for (int which : { 0, 1 }) {
        QGridLayout *grid = column(page, which);
        QCOMPARE(grid->horizontalSpacing(), gridSpacing);
        QCOMPARE(grid->verticalSpacing(), gridVertical);
        QCOMPARE(grid->rowMinimumHeight(0), editHeight);
        QCOMPARE(grid->rowMinimumHeight(4), editHeight);
        QCOMPARE(grid->columnStretch(0), 1);
        QCOMPARE(grid->columnStretch(1), 0);
    }
    QCOMPARE(column(page, 1)->rowMinimumHeight(5), 30);
    QCOMPARE(columns(page)->contentsMargins(), QMargins(marginX, marginY, marginX, marginY));
    QCOMPARE(columns(page)->horizontalSpacing(), marginX);
    QCOMPARE(page.layout()->spacing(), pageSpacing);
    QCOMPARE(page.layout()->contentsMargins(), QMargins());
    QWidget *bar = page.findChild<QWidget *>(QStringLiteral("TarnButtonsWidget"));
    QCOMPARE(bar->height(), barHeight);
    QCOMPARE(bar->layout()->spacing(), barSpacing);
    QCOMPARE(button(page, QStringLiteral("恢复默认"))->minimumWidth(), minWidth);
    // The bar sits at the bottom of the page, the columns start below the top margin.
    QCOMPARE(bar->geometry().bottom(), page.height() - 1);
    QCOMPARE(pageRow(page, 0).edit->geometry().top(), marginY);
    QCOMPARE(pageRow(page, 6).edit->geometry().top(), marginY);
    QCOMPARE(pageRow(page, 1).edit->geometry().top(), marginY + editHeight + gridVertical);
}

void TestShortCuts::managerCreatedOnlyWhenMissing_data()
{
    QTest::addColumn<bool>("existing");
    QTest::newRow("none yet") << false;
    QTest::newRow("already there") << true;
}

void TestShortCuts::managerCreatedOnlyWhenMissing()
{
    QFETCH(bool, existing);
    ShortCutsManager *before = existing ? new ShortCutsManager : nullptr;
    ShortCutsManager::_instance = before;
    TarnInterface iface;
    QWidget window;
    ShortCuts page(&window, &iface);
    QVERIFY(ShortCutsManager::_instance);
    if (existing)
        QCOMPARE(ShortCutsManager::_instance, before);
    ShortCuts second(&window, &iface);
    ShortCutsManager *manager = ShortCutsManager::_instance;
    QSignalSpy applied(manager, &ShortCutsManager::shortCutsApplied);
    emit second.updateShortCutKey();
    emit page.updateShortCutKey();
    QCOMPARE(applied.count(), 2);
    QCOMPARE(manager->calls(), QStringList({ "updateShortCutKey()", "updateShortCutKey()" }));
}

// The entry of action 3 (ZoomOut), as seeded, and the older settings handed in.
void TestShortCuts::compatRestoreFlagCases_data()
{
    QTest::addColumn<ShortCutsKey>("seed");
    QTest::addColumn<bool>("givenEnabled");
    QTest::addColumn<QString>("givenKey");
    QTest::addColumn<QStringList>("calls");
    const QStringList none;
    auto written = [](const QString &enabled, const QString &key) {
        return QStringList { "updateConfig(3," + enabled + "," + key + ")", "saveConfig(3)" };
    };
    QTest::newRow("no flags, given key") << entry(false, false, true, "F2", "F3") << false
                                         << "Ctrl+F1" << written("false", "Ctrl+F1");
    QTest::newRow("no flags, empty given key")
        << entry(false, false, false, "F2", "F3") << true << "" << written("true", "F2");
    QTest::newRow("no flags, only default")
        << entry(false, false, false, "", "F3") << true << "" << written("true", "F3");
    QTest::newRow("enabled stored keeps entry flag")
        << entry(true, false, true, "F2", "F3") << false << "Ctrl+F1" << written("true", "Ctrl+F1");
    QTest::newRow("enabled stored, entry disabled")
        << entry(true, false, false, "", "F3") << true << "" << written("false", "F3");
    QTest::newRow("key stored ignores given key, empty key gives default")
        << entry(false, true, true, "", "F3") << false << "Ctrl+F1" << written("false", "F3");
    QTest::newRow("key stored keeps entry key")
        << entry(false, true, false, "F2", "F3") << true << "Ctrl+F1" << written("true", "F2");
    QTest::newRow("both stored") << entry(true, true, true, "F2", "F3") << false << "Ctrl+F1"
                                 << none;
    ShortCutsKey nameless = entry(false, false, true, "F2", "F3");
    nameless.name.clear();
    QTest::newRow("empty name") << nameless << true << "Ctrl+F1" << none;
    ShortCutsKey unconfigured = entry(false, false, true, "F2", "F3");
    unconfigured.configName.clear();
    QTest::newRow("empty config name") << unconfigured << true << "Ctrl+F1" << none;
}

void TestShortCuts::compatRestoreFlagCases()
{
    QFETCH(ShortCutsKey, seed);
    QFETCH(bool, givenEnabled);
    QFETCH(QString, givenKey);
    QFETCH(QStringList, calls);
    TarnInterface iface;
    QWidget window;
    ShortCuts page(&window, &iface);
    ShortCutsManager::_instance->seedEntry(ShortCutsManager::ZoomOut, seed);
    page.compatRestoreConfig(ShortCutsManager::ZoomOut, givenEnabled, givenKey);
    QCOMPARE(ShortCutsManager::_instance->calls(), calls);
}

void TestShortCuts::firstLoadMigratesThenSecondWritesNothing()
{
    {
        QSettings legacy(configPath(), QSettings::IniFormat);
        legacy.beginGroup(QStringLiteral("Legacy"));
        legacy.setValue(QStringLiteral("BossKeyEdit"), QStringLiteral("Ctrl+Alt+B"));
        legacy.setValue(QStringLiteral("BossKey"), true);
        legacy.setValue(QStringLiteral("KeyMapEdit"), QString());
        legacy.setValue(QStringLiteral("ZoomOutEdit"), QStringLiteral("F7"));
        legacy.setValue(QStringLiteral("ZoomOut"), true);
        legacy.setValue(QStringLiteral("HomeKeyEdit"), QStringLiteral("Ctrl+Home"));
        legacy.setValue(QStringLiteral("ShakeEdit"), QStringLiteral("Alt+Backspace"));
        legacy.setValue(QStringLiteral("Shake"), true);
        legacy.setValue(QStringLiteral("Screenshot"), true);
    }
    TarnInterface iface;
    QWidget window;
    ShortCuts page(&window, &iface);
    page.loadShortCuts();
    const QStringList first = {
        "loadShortCutsKey()", "updateConfig(0,true,Ctrl+Alt+B)",
        "saveConfig(0)",      "updateConfig(1,false,Ctrl+Alt+K)",
        "saveConfig(1)",      "updateConfig(2,false,Ctrl+Alt+Up)",
        "saveConfig(2)",      "updateConfig(3,true,F7)",
        "saveConfig(3)",      "updateConfig(5,false,Ctrl+Home)",
        "saveConfig(5)",      "updateConfig(6,true,Alt+Backspace)",
        "saveConfig(6)",      "updateConfig(7,true,Ctrl+Alt+P)",
        "saveConfig(7)",      "updateConfig(4,true,F11)",
        "saveConfig(4)",      "updateConfig(8,true,Esc)",
        "saveConfig(8)",      "updateConfig(9,true,Ctrl + Alt + R)",
        "saveConfig(9)",      "updateConfig(10,true,Ctrl + Alt + M)",
        "saveConfig(10)",
    };
    QCOMPARE(ShortCutsManager::_instance->calls(), first);
    QCOMPARE(rowForAction(page, 6).edit->text(), QStringLiteral("Alt + Back"));
    QVERIFY(rowForAction(page, 6).box->isChecked());
    QVERIFY(!rowForAction(page, 5).box->isChecked());
    QCOMPARE(rowForAction(page, 9).edit->text(), QStringLiteral("Ctrl + Alt + R"));

    ShortCutsManager::_instance->clearCalls();
    page.loadShortCuts();
    QCOMPARE(ShortCutsManager::_instance->calls(), QStringList { "loadShortCutsKey()" });
    QCOMPARE(rowForAction(page, 0).edit->text(), QStringLiteral("Ctrl + Alt + B"));
}

void TestShortCuts::loadShowsDisabledEntryAndSkipsUnknown()
{
    TarnInterface iface;
    QWidget window;
    ShortCuts page(&window, &iface);
    ShortCutsManager *manager = ShortCutsManager::_instance;
    manager->seedEntry(
        ShortCutsManager::Screenshot,
        { "Screenshot", "Screenshot", "Ctrl + Alt + P", false, "Ctrl+Alt+Q", true, true });
    manager->seedEntry(ShortCutsManager::RecentApps, { "", "RecentApps", "F9", true, "F9" });
    PageRow unknown = rowForAction(page, ShortCutsManager::RecentApps);
    unknown.edit->setText(QStringLiteral("as it was"));
    page.loadShortCuts();
    const PageRow row = rowForAction(page, ShortCutsManager::Screenshot);
    QVERIFY(!row.box->isChecked());
    QCOMPARE(row.edit->text(), QStringLiteral("Ctrl + Alt + Q"));
    QCOMPARE(unknown.edit->text(), QStringLiteral("as it was"));
    QVERIFY(!unknown.box->isChecked());
    QVERIFY(!manager->calls().contains(QStringLiteral("saveConfig(9)")));

    // The loaded text is also what a refused capture falls back to.
    Notice notice;
    closeNoticeLater(notice);
    QTest::keyClick(row.edit, Qt::Key_Escape);
    QVERIFY(notice.shown);
    QCOMPARE(row.edit->text(), QStringLiteral("Ctrl + Alt + Q"));
}

void TestShortCuts::restoreDefaultsThenCancelWritesNothing()
{
    TarnInterface iface;
    QWidget window;
    ShortCuts page(&window, &iface);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    page.loadShortCuts();
    rowForAction(page, ShortCutsManager::Back).box->setChecked(false);
    ShortCutsManager::_instance->clearCalls();
    QTest::mouseClick(button(page, QStringLiteral("恢复默认")), Qt::LeftButton);
    for (int position = 0; position < 11; ++position) {
        const PageRow row = pageRow(page, position);
        const auto index = ShortCutsManager::ShortCutIndex(row.edit->getIndex());
        QVERIFY(row.box->isChecked());
        QCOMPARE(row.edit->text(), ShortCutsManager::_instance->getShortCutsKey(index).defaultKey);
    }
    QCOMPARE(rowForAction(page, ShortCutsManager::ZoomIn).edit->text(),
             QStringLiteral("Ctrl + Alt + Up"));
    QTest::mouseClick(button(page, QStringLiteral("取消")), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QCOMPARE(ShortCutsManager::_instance->calls(), QStringList());
}

void TestShortCuts::untickingWritesNothing()
{
    TarnInterface iface;
    QWidget window;
    ShortCuts page(&window, &iface);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    page.loadShortCuts();
    ShortCutsManager::_instance->clearCalls();
    const PageRow row = rowForAction(page, ShortCutsManager::FullScreen);
    QVERIFY(row.box->isChecked());
    QTest::mouseClick(row.box, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!row.box->isChecked());
    QVERIFY(row.edit->isEnabled());
    QCOMPARE(ShortCutsManager::_instance->calls(), QStringList());
    QVERIFY(window.isVisible());
}

void TestShortCuts::saveWritesEveryRowThenClosesAfterApply()
{
    TarnInterface iface;
    QWidget window;
    ShortCuts page(&window, &iface);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    page.loadShortCuts();
    QTest::mouseClick(button(page, QStringLiteral("恢复默认")), Qt::LeftButton);
    const PageRow emptied = rowForAction(page, ShortCutsManager::Menu);
    QTest::keyPress(emptied.edit, Qt::Key_Control);
    QTest::keyRelease(emptied.edit, Qt::Key_Control);
    QCOMPARE(emptied.edit->text(), QString());
    rowForAction(page, ShortCutsManager::KeyMap).box->setChecked(false);
    rowForAction(page, ShortCutsManager::HomeKey).edit->setText(QStringLiteral("Ctrl + Enter2"));
    ShortCutsManager *manager = ShortCutsManager::_instance;
    manager->clearCalls();
    bool openWhenApplied = false;
    connect(manager, &ShortCutsManager::shortCutsApplied, this,
            [&] { openWhenApplied = window.isVisible(); });
    QTest::mouseClick(button(page, QStringLiteral("保存")), Qt::LeftButton);
    const QStringList calls = {
        "updateConfig(0,true,Ctrl+Alt+X)",
        "updateConfig(2,true,Ctrl+Alt+Up)",
        "updateConfig(4,true,F11)",
        "updateConfig(6,true,Ctrl+Alt+Z)",
        "updateConfig(8,true,Esc)",
        "updateConfig(10,true,)",
        "updateConfig(1,false,Ctrl+Alt+K)",
        "updateConfig(3,true,Ctrl+Alt+Down)",
        "updateConfig(5,true,Ctrl+Enter)",
        "updateConfig(7,true,Ctrl+Alt+P)",
        "updateConfig(9,true,Ctrl+Alt+R)",
        "saveAllConfigs()",
        "updateShortCutKey()",
    };
    QCOMPARE(manager->calls(), calls);
    QVERIFY(openWhenApplied);
    QVERIFY(!window.isVisible());
    QCOMPARE(QSettings(configPath(), QSettings::IniFormat).value("ShortCuts/Menu/Key"),
             QVariant(QString()));
}

// As a user would: open the page, press a new key for Screenshot, save, and find it
// again in a manager that starts from the same file.
void TestShortCuts::capturedKeySurvivesRestart()
{
    TarnInterface iface;
    QWidget window;
    ShortCuts page(&window, &iface);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    page.loadShortCuts();
    const PageRow row = rowForAction(page, ShortCutsManager::Screenshot);
    QVERIFY(!row.box->isChecked()); // no older settings: switched off
    QTest::mouseClick(row.box, Qt::LeftButton, {}, QPoint(5, 5));
    ShortCutEdit *edit = row.edit;
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(edit->text(), QStringLiteral("Ctrl + Alt + S"));
    QTest::mouseClick(button(page, QStringLiteral("保存")), Qt::LeftButton);
    QVERIFY(!window.isVisible());

    delete ShortCutsManager::_instance;
    ShortCutsManager::_instance = new ShortCutsManager;
    const ShortCutsKey key =
        ShortCutsManager::_instance->getShortCutsKey(ShortCutsManager::Screenshot);
    QCOMPARE(key.key, QStringLiteral("Ctrl+Alt+S"));
    QVERIFY(key.enabled);
    ShortCuts reopened(&window, &iface);
    reopened.loadShortCuts();
    QCOMPARE(rowForAction(reopened, ShortCutsManager::Screenshot).edit->text(),
             QStringLiteral("Ctrl + Alt + S"));
}

Q_DECLARE_METATYPE(ShortCutsKey)
QTEST_MAIN(TestShortCuts)
#include "tst_shortcuts.moc"
