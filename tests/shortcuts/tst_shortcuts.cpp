// SPDX-License-Identifier: LGPL-2.1-or-later
#include "keytext.h"
#include "shortcutedit.h"
#include "shortcuts.h"
#include "tarninterface.h"
#include "tarnlib.h"

#include <QtTest>
#include <QtWidgets>

namespace {
using Manager = ShortCutsManager;

// Row-list position of each action index: the left column from the top, then the right.
constexpr int positionOf[] = { 0, 6, 1, 7, 2, 8, 3, 9, 4, 10, 5 };

struct PageRow
{
    QCheckBox *box;
    QLabel *label;
    ShortCutEdit *edit;
};

// An action's row, found through the layouts: position p is row p % 6 of column p / 6.
PageRow pageRow(ShortCuts &page, int index)
{
    const auto grid = [](QLayoutItem *item) {
        return qobject_cast<QGridLayout *>(item->layout());
    };
    const int position = positionOf[index];
    QGridLayout *column = grid(grid(page.layout()->itemAt(0))->itemAtPosition(0, position / 6));
    QGridLayout *row = grid(column->itemAtPosition(position % 6, 0));
    return { qobject_cast<QCheckBox *>(row->itemAtPosition(0, 0)->widget()),
             qobject_cast<QLabel *>(row->itemAtPosition(0, 1)->widget()),
             qobject_cast<ShortCutEdit *>(column->itemAtPosition(position % 6, 1)->widget()) };
}

QPushButton *button(ShortCuts &page, const QString &text)
{
    const QList<QPushButton *> all = page.findChildren<QPushButton *>();
    return *std::find_if(all.begin(), all.end(), [&](QPushButton *b) { return b->text() == text; });
}

// The manager's calls since the last look, updateConfig, saveConfig and checkConflicts
// shortened to update, save and check.
QString callLog()
{
    QString all = Manager::_instance->calls().join(';');
    Manager::_instance->clearCalls();
    return all.replace("Config(", "(").replace("checkConflicts(", "check(");
}

template<typename... Types>
void columns(std::initializer_list<const char *> names)
{
    auto name = names.begin();
    (QTest::addColumn<Types>(*name++), ...);
}

template<typename... Values>
void row(const char *name, Values... values)
{
    (QTest::newRow(name) << ... << values);
}

// Steps: "+Q" presses Key_Q, "-Q" releases it, "@L" / "@R" click the left / right mouse
// button. Letters before them say what is held, as the platform reports it: C Ctrl,
// S Shift, A Alt, K keypad; R makes the press an auto-repeat.
void run(ShortCutEdit *edit, const QString &script)
{
    for (const QString &step : script.split(' ')) {
        const int at = step.indexOf(QRegularExpression("[-+@]"));
        const QString held = step.left(at), name = step.mid(at + 1);
        const int modifiers = held.contains('C') * Qt::CTRL | held.contains('S') * Qt::SHIFT
            | held.contains('A') * Qt::ALT | held.contains('K') * Qt::KeypadModifier;
        const int key = QMetaEnum::fromType<Qt::Key>().keyToValue(qPrintable("Key_" + name));
        if (step[at] == '@')
            QTest::mouseClick(edit, name == "L" ? Qt::LeftButton : Qt::RightButton);
        else
            QTest::simulateEvent(edit, step[at] == '+', key, Qt::KeyboardModifiers(modifiers),
                                 QString(), held.contains('R'));
    }
}
} // namespace

class TestShortCuts : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    TarnInterface m_iface;
    QScopedPointer<QWidget> m_window;

    // A loaded page built at the given scale in a new shown window; the last window, kept
    // until then, is deleted.
    ShortCuts &openPage(double scale = 1.0)
    {
        gScale = scale;
        m_window.reset(new QWidget);
        auto *page = new ShortCuts(m_window.data(), &m_iface);
        m_window->show();
        page->loadShortCuts();
        return *page;
    }

private Q_SLOTS:
    void initTestCase() { setTarnConfigPath(m_dir.filePath(QStringLiteral("tarn.ini"))); }

    void init() { QFile::remove(m_dir.filePath(QStringLiteral("tarn.ini"))); }

    void cleanup() { delete std::exchange(Manager::_instance, nullptr); }

    // press: a key code with its modifier flags; field: the capture field's object name.
    // The display text goes back to the compact one even with spaces added around it.
    void keyTexts_data()
    {
        columns<int, QString, QString, QString>({ "press", "field", "compact", "display" });
        const int C = Qt::CTRL, S = Qt::SHIFT, A = Qt::ALT, K = Qt::KeypadModifier;
        row("ctrl q", C | Qt::Key_Q, "", "Ctrl+Q", "Ctrl + Q");
        row("alt shift f5", A | S | Qt::Key_F5, "", "Shift+Alt+F5", "Shift + Alt + F5");
        row("all three", S | A | C | Qt::Key_A, "", "Ctrl+Shift+Alt+A", "Ctrl + Shift + Alt + A");
        row("main enter", int(Qt::Key_Return), "", "Return", "Enter");
        row("keypad enter", K | Qt::Key_Enter, "", "Enter", "Enter2");
        row("ctrl main enter", C | Qt::Key_Return, "", "Ctrl+Return", "Ctrl + Enter");
        row("ctrl keypad enter", C | K | Qt::Key_Enter, "", "Ctrl+Enter", "Ctrl + Enter2");
        row("caps lock", C | Qt::Key_CapsLock, "", "Ctrl+CapsLock", "Ctrl + Cap");
        row("page down", int(Qt::Key_PageDown), "", "PgDown", "PgDn");
        row("backspace", A | Qt::Key_Backspace, "", "Alt+Backspace", "Alt + Back");
        row("ctrl alone: prefix only", C | Qt::Key_Control, "", "Ctrl+", "Ctrl + ");
        row("backtab whole name", S | Qt::Key_Backtab, "", "Shift+Backtab", "Shift + Backtab");
        row("inner space kept", C | Qt::Key_VolumeUp, "", "Ctrl+Volume Up", "Ctrl + Volume Up");
        row("empty", 0, "", "", "");
        row("boss bare key", int(Qt::Key_Q), "bosskey", "Alt+Q", "Alt + Q");
        row("boss space", int(Qt::Key_Space), "bosskey", "Ctrl+Alt+Space", "Ctrl + Alt + Space");
        row("boss ctrl space", C | Qt::Key_Space, "bosskey", "Ctrl+Space", "Ctrl + Space");
    }

    void keyTexts()
    {
        QFETCH(int, press);
        QFETCH(QString, field);
        QFETCH(QString, compact);
        QFETCH(QString, display);
        const int key = press & ~Qt::KeyboardModifierMask;
        QCOMPARE(TarnUI::composeKeyText(Qt::KeyboardModifiers(press - key), key, field), compact);
        QCOMPARE(TarnUI::displayKeyText(compact), display);
        QCOMPARE(TarnUI::compactKeyText("  " + display + ' '), compact);
    }

    // Screenshot's field (7) called name, showing its previous text old as after a load. Nothing
    // has the focus, so the manager counts every action, Back's Esc and Screenshot's Ctrl+Alt+P
    // included. calls: what the manager is asked, %1 standing for the text shown after.
    // A check never followed by an update is a refused capture, which opens the notice.
    void capture_data()
    {
        columns<QString, QString, QString, QString, QString>(
            { "name", "old", "steps", "after", "calls" });
        const char *was = "Ctrl + Alt + P", *taken = "check(%1);update(7,%1)";
        row("ctrl alone shows prefix", "", was, "+Control", "Ctrl + ", "");
        row("meta alone", "", was, "+Meta", "Meta", taken);
        row("keypad enter", "", was, "K+Enter", "Enter2", taken);
        row("boss space", "bosskey", was, "+Space", "Ctrl + Alt + Space", taken);
        row("auto repeat", "", was, "+F6 R+F6", "F6", "check(%1);update(7,%1);update(7,%1)");
        row("same as shown: not checked", "", "F5", "+F5", "F5", "update(7,%1)");
        row("shown, ctrl held: checked", "", "Ctrl + Q", "+Control C+Q", "Ctrl + Q", taken);
        row("release while capturing", "", was, "+Control C-Control", "", "");
        row("releases after capture", "", was, "+Control C+Q C-Q C-Control", "Ctrl + Q", taken);
        row("taken key refused", "", "F9", "+Escape", "F9", "check(Esc)");
        row("refused, empty previous", "", "", "+Control C+Alt CA+P", "", "check(Ctrl + Alt + P)");
        row("click only selects", "", was, "@L", was, "");
        row("right click only selects", "", was, "@R", was, "");
    }

    void capture()
    {
        QFETCH(QString, name);
        QFETCH(QString, old);
        QFETCH(QString, steps);
        QFETCH(QString, after);
        QFETCH(QString, calls);
        QDialog dialog;
        ShortCutEdit *edit = new ShortCutEdit(&dialog, old);
        edit->setObjectName(name);
        edit->setIndex(7);
        edit->setPreviousText(old);
        QSignalSpy rejected(&dialog, &QDialog::rejected);
        QString notice;
        const bool refused = calls.startsWith("check") && !calls.contains("update");
        if (refused)
            QTimer::singleShot(0, edit, [&notice] {
                QWidget *box = QApplication::activeModalWidget();
                notice = box->findChild<QLabel *>("titleLabel")->text() + '|'
                    + box->findChild<QLabel *>("TarnLabelText_Regular_12")->text();
                for (QPushButton *button : box->findChildren<QPushButton *>())
                    notice += '|' + button->text() + '/' + button->objectName();
                QTest::mouseClick(box->findChild<QPushButton *>(), Qt::LeftButton);
            });
        run(edit, steps);
        QCOMPARE(edit->text(), after);
        QCOMPARE(edit->selectedText(), after.endsWith(' ') ? QString() : after);
        QCOMPARE(Manager::_instance ? callLog() : QString(), calls.replace("%1", after));
        QCOMPARE(notice, refused ? "Tarn|   快捷键冲突   |确定/TarnSmallBtn" : "");
        QCOMPARE(rejected.count(), 0);
    }

    // Edit height and minimum width, button bar height.
    void rowListAndTruncatedSizes_data()
    {
        columns<double, QList<int>>({ "scale", "sizes" });
        row("1.0", 1.0, QList<int> { 30, 100, 60 });
        row("1.25 truncated", 1.25, QList<int> { 37, 125, 75 });
    }

    void rowListAndTruncatedSizes()
    {
        QFETCH(double, scale);
        QFETCH(QList<int>, sizes);
        ShortCuts &page = openPage(scale);
        QStringList seen;
        for (int index = 0; index < 11; ++index) {
            const PageRow r = pageRow(page, index);
            QCOMPARE(r.box->objectName() + r.label->objectName(),
                     "TarnChkboxTarnLabelText_Regular_12");
            seen << r.edit->property("ShortCutIndex").toString() + r.label->text() + ':'
                    + r.edit->objectName();
        }
        QCOMPARE(seen.join(' '),
                 "0老板键:bosskey 1映射开关: 2放大屏幕: 3缩小屏幕: 4切换全屏: 5返回桌面: 6摇一摇: "
                 "7截图: 8返回: 9最近应用: 10菜单:");
        const PageRow row = pageRow(page, Manager::RecentApps);
        QCOMPARE(row.edit->styleSheet(), QStringLiteral("padding-left: 5px;\n height: 30px"));
        QCOMPARE(button(page, "保存")->objectName(), QStringLiteral("greenColor"));
        QCOMPARE((QList<int> { row.edit->maximumHeight(), row.edit->minimumWidth(),
                               page.findChild<QWidget *>("TarnButtonsWidget")->maximumHeight() }),
                 sizes);
    }

    // entry: its enabled flag, key, and which of its two flags the settings file holds;
    // given and written: the flag and key of the call and of what the manager is given
    // before it saves, empty if nothing is written.
    void compatRestoreFlagCases_data()
    {
        columns<QString, QString, QString>({ "entry", "given", "written" });
        row("no flags: given key", "true,F2,", "false,Ctrl+F1", "false,Ctrl+F1");
        row("no flags: entry key", "false,F2,", "true,", "true,F2");
        row("no flags: default", "false,,", "true,", "true,F3");
        row("enabled stored", "true,F2,enabled", "false,Ctrl+F1", "true,Ctrl+F1");
        row("key stored", "false,F2,key", "true,Ctrl+F1", "true,F2");
        row("both stored", "true,F2,enabled key", "false,Ctrl+F1", "");
    }

    void compatRestoreFlagCases()
    {
        QFETCH(QString, entry);
        QFETCH(QString, given);
        QFETCH(QString, written);
        ShortCuts page(nullptr, &m_iface);
        Manager::_instance->seedEntry(
            Manager::ZoomOut,
            { "Zoom out", "ZoomOut", "F3", entry.startsWith("true"), entry.section(',', 1, 1),
              entry.section(',', 2).contains("enabled"), entry.section(',', 2).contains("key") });
        page.compatRestoreConfig(Manager::ZoomOut, given.startsWith("true"), given.section(',', 1));
        QCOMPARE(callLog(), written.isEmpty() ? written : "update(3," + written + ");save(3)");
    }

    void firstLoadMigratesSecondWritesNothing()
    {
        QSettings legacy(m_dir.filePath(QStringLiteral("tarn.ini")), QSettings::IniFormat);
        for (const QString entry : { "BossKeyEdit=Ctrl+Alt+B", "BossKey=true",
                                     "KeyMapEdit=", "KeyMap=false", "ShakeEdit=Alt+Backspace" })
            legacy.setValue("Legacy/" + entry.section('=', 0, 0), entry.section('=', 1));
        ShortCuts &page = openPage();
        QCOMPARE(callLog(),
                 "loadShortCutsKey();update(0,true,Ctrl+Alt+B);save(0);update(1,false,Ctrl+Alt+K);"
                 "save(1);update(2,true,Ctrl+Alt+Up);save(2);update(3,true,Ctrl+Alt+Down);"
                 "save(3);update(5,true,Ctrl+Alt+H);save(5);update(6,true,Alt+Backspace);save(6);"
                 "update(7,true,Ctrl+Alt+P);save(7);update(4,true,F11);save(4);update(8,true,Esc);"
                 "save(8);update(9,true,Ctrl + Alt + R);save(9);update(10,true,Ctrl + Alt + M);"
                 "save(10)");
        Manager::_instance->seedEntry(Manager::Screenshot,
                                      { "Shot", "Shot", "F3", false, "Ctrl+Alt+Q", true, true });
        page.loadShortCuts();
        QCOMPARE(callLog(), QStringLiteral("loadShortCutsKey()"));
        QVERIFY(!pageRow(page, Manager::Screenshot).box->isChecked());
        QCOMPARE(pageRow(page, Manager::Screenshot).edit->text(), "Ctrl + Alt + Q");
    }

    // Before any button, the user unticks Full screen, empties Menu's edit with a lone Ctrl
    // and finds Home showing a keypad Enter. Restore shows the defaults and writes nothing.
    void pageButtons_data()
    {
        columns<QStringList, QString>({ "clicks", "calls" });
        row("cancel", QStringList { "取消" }, QString());
        row("restore then cancel", QStringList { "恢复默认", "取消" }, QString());
        row("save, empty edit", QStringList { "保存" },
            "update(0,true,Ctrl+Alt+X);update(2,true,Ctrl+Alt+Up);update(4,false,F11);"
            "update(6,true,Ctrl+Alt+Z);update(8,true,Esc);update(10,true,);"
            "update(1,true,Ctrl+Alt+K);update(3,true,Ctrl+Alt+Down);update(5,true,Ctrl+Enter);"
            "update(7,true,Ctrl+Alt+P);update(9,true,Ctrl+Alt+R);saveAllConfigs();"
            "updateShortCutKey()");
    }

    // Every sequence closes the window; a save only after the manager applied the keys.
    void pageButtons()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, calls);
        ShortCuts &page = openPage();
        callLog();
        QTest::mouseClick(pageRow(page, Manager::FullScreen).box, Qt::LeftButton, {}, QPoint(5, 5));
        run(pageRow(page, Manager::Menu).edit, "+Control C-Control");
        pageRow(page, Manager::HomeKey).edit->setText(QStringLiteral("Ctrl + Enter2"));
        bool openWhenApplied = false;
        connect(Manager::_instance, &Manager::shortCutsApplied, this,
                [&] { openWhenApplied = m_window->isVisible(); });
        for (const QString &text : clicks)
            QTest::mouseClick(button(page, text), Qt::LeftButton);
        QCOMPARE(callLog(), calls);
        QVERIFY(!m_window->isVisible());
        QCOMPARE(openWhenApplied, !calls.isEmpty());
        const bool restored = clicks.contains("恢复默认");
        QCOMPARE(pageRow(page, Manager::FullScreen).box->isChecked(), restored);
        QCOMPARE(pageRow(page, Manager::Menu).edit->text(), restored ? "Ctrl + Alt + M" : "");
    }

    // As a user would: open the page, press a new key for Screenshot, save, and find the
    // key again in a manager that starts from the same file.
    void capturedKeySurvivesRestart()
    {
        ShortCuts &page = openPage();
        const PageRow shot = pageRow(page, Manager::Screenshot);
        run(shot.edit, "@L CA+S CA-S");
        QTest::mouseClick(button(page, "保存"), Qt::LeftButton);
        delete std::exchange(Manager::_instance, new Manager);
        const PageRow again = pageRow(openPage(), Manager::Screenshot);
        QCOMPARE(again.edit->text(), QStringLiteral("Ctrl + Alt + S"));
        QVERIFY(again.box->isChecked());
    }
};

QTEST_MAIN(TestShortCuts)
#include "tst_shortcuts.moc"
