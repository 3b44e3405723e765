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

struct PageRow
{
    QCheckBox *box;
    QLabel *label;
    ShortCutEdit *edit;
};

// An action's row, found through the layouts: even indexes fill the left column from the
// top, odd ones the right.
PageRow pageRow(ShortCuts &page, int index)
{
    const auto grid = [](QLayoutItem *item) {
        return qobject_cast<QGridLayout *>(item->layout());
    };
    QGridLayout *column = grid(grid(page.layout()->itemAt(0))->itemAtPosition(0, index % 2));
    QGridLayout *row = grid(column->itemAtPosition(index / 2, 0));
    return { qobject_cast<QCheckBox *>(row->itemAtPosition(0, 0)->widget()),
             qobject_cast<QLabel *>(row->itemAtPosition(0, 1)->widget()),
             qobject_cast<ShortCutEdit *>(column->itemAtPosition(index / 2, 1)->widget()) };
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

// Closes the conflict notice that the next refused capture opens, noting in seen its title,
// text and buttons.
void closeNextNotice(QObject *context, QString &seen)
{
    QTimer::singleShot(0, context, [&seen] {
        QWidget *box = QApplication::activeModalWidget();
        seen = box->findChild<QLabel *>("titleLabel")->text() + '|'
            + box->findChild<QLabel *>("TarnLabelText_Regular_12")->text();
        for (QPushButton *button : box->findChildren<QPushButton *>())
            seen += '|' + button->text() + '/' + button->objectName();
        QTest::mouseClick(box->findChild<QPushButton *>(), Qt::LeftButton);
    });
}

// Key script: "CA+P" presses P with Ctrl+Alt held, "-" releases; S Shift, R repeat;
// @L/@R click; @O takes the focus away.
void run(ShortCutEdit *edit, const QString &script)
{
    for (const QString &step : script.split(' ')) {
        const int at = step.indexOf(QRegularExpression("[-+@]"));
        const QString held = step.left(at), name = step.mid(at + 1);
        const int modifiers = held.contains('C') * Qt::CTRL | held.contains('A') * Qt::ALT
            | held.contains('S') * Qt::SHIFT;
        const int key = QMetaEnum::fromType<Qt::Key>().keyToValue(qPrintable("Key_" + name));
        if (step == "@O") {
            QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
            QApplication::sendEvent(edit, &out);
        } else if (step[at] == '@')
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
    void initTestCase()
    {
        setTarnConfigPath(m_dir.filePath(QStringLiteral("tarn.ini")));
        Manager::setCallLogEnabled(true);
    }

    void init() { QFile::remove(m_dir.filePath(QStringLiteral("tarn.ini"))); }

    void cleanup() { delete std::exchange(Manager::_instance, nullptr); }

    // press: a key code with its modifier flags. The display text goes back to the compact
    // one even with spaces added around it.
    void keyTexts_data()
    {
        columns<int, QString, QString>({ "press", "compact", "display" });
        const int C = Qt::CTRL, S = Qt::SHIFT, A = Qt::ALT, K = Qt::KeypadModifier;
        row("modifier order", S | A | C | Qt::Key_A, "Ctrl+Shift+Alt+A", "Ctrl + Shift + Alt + A");
        row("main enter", int(Qt::Key_Return), "Return", "Enter");
        row("keypad enter", C | K | Qt::Key_Enter, "Ctrl+Enter", "Ctrl + Enter2");
        row("caps lock", C | Qt::Key_CapsLock, "Ctrl+CapsLock", "Ctrl + Cap");
        row("page down", int(Qt::Key_PageDown), "PgDown", "PgDn");
        row("backspace", A | Qt::Key_Backspace, "Alt+Backspace", "Alt + Back");
        row("empty", 0, "", "");
    }

    void keyTexts()
    {
        QFETCH(int, press);
        QFETCH(QString, compact);
        QFETCH(QString, display);
        const int key = press & ~Qt::KeyboardModifierMask;
        QCOMPARE(TarnUI::composeKeyText(Qt::KeyboardModifiers(press - key), key, ""), compact);
        QCOMPARE(TarnUI::displayKeyText(compact), display);
        QCOMPARE(TarnUI::compactKeyText("  " + display + ' '), compact);
    }

    // Screenshot's field (index 7) with object name field, showing old as after a load, in a
    // dialog that must never see a key. Back's Esc and Menu's Ctrl+Alt+M are taken.
    // calls: what the manager is asked, %1 standing for the text shown after. A check with
    // no update after it is a refused capture, which must show the conflict notice.
    void capture_data()
    {
        columns<QString, QString, QString, QString, QString>(
            { "field", "old", "steps", "after", "calls" });
        const char *was = "Ctrl + Alt + P", *accepted = "check(%1);update(7,%1)";
        row("boss space", "bosskey", was, "+Space", "Ctrl + Alt + Space", accepted);
        row("repeat of shown key: not checked", "", was, "+F6 R+F6", "F6",
            "check(%1);update(7,%1);update(7,%1)");
        row("main enter", "", was, "+Return", "Enter", accepted);
        row("release of a lone ctrl", "", was, "+Control C-Control", "", "");
        row("focus leaves mid-capture", "", was, "+Control @O", "", "");
        row("nameless key: still capturing", "", was, "C+Control C+unknown", "Ctrl + ", "");
        row("nameless key alone: nothing", "", was, "@L +unknown", was, "");
        row("held modifiers in order", "", was, "+Alt A+Shift AS+Control", "Ctrl + Shift + Alt + ",
            "");
        row("shift released first", "", was, "+Control C+Shift CS-Shift", "", "");
        row("releases keep a combination", "", was, "+Control C+Q C-Q -Control", "Ctrl + Q",
            "check(%1);update(7,%1)");
        row("taken key refused", "", "F9", "+Escape", "F9", "check(Esc)");
        row("refused after a capture", "", was, "+F7 +Escape", "F7",
            "check(F7);update(7,F7);check(Esc)");
        row("clicks only select", "", was, "@R @L", was, "");
    }

    void capture()
    {
        QFETCH(QString, field);
        QFETCH(QString, old);
        QFETCH(QString, steps);
        QFETCH(QString, after);
        QFETCH(QString, calls);
        QDialog parent;
        QSignalSpy finished(&parent, &QDialog::finished);
        ShortCutEdit *edit = new ShortCutEdit(&parent, old);
        edit->setObjectName(field);
        edit->setIndex(7);
        edit->setPreviousText(old);
        QString notice;
        const bool refused = calls.section(';', -1).startsWith("check");
        if (refused)
            closeNextNotice(edit, notice);
        run(edit, steps);
        QCOMPARE(edit->text(), after);
        QCOMPARE(edit->selectedText(), after.endsWith(' ') ? QString() : after);
        QCOMPARE(Manager::_instance ? callLog() : QString(), calls.replace("%1", after));
        QCOMPARE(notice, refused ? "Tarn|   快捷键冲突   |确定/TarnSmallBtn" : "");
        QCOMPARE(finished.count(), 0);
    }

    // Edit height and minimum width, button bar height, spacing in a row, the column grid's
    // spacings and its restore row's height, the main grid's left margin, the page's spacing.
    void rowListAndTruncatedSizes_data()
    {
        columns<double, QList<int>>({ "scale", "sizes" });
        row("1.0", 1.0, QList<int> { 30, 100, 60, 6, 20, 30, 30, 60, 15 });
        row("1.25 truncated", 1.25, QList<int> { 37, 125, 75, 7, 25, 37, 30, 75, 18 });
    }

    void rowListAndTruncatedSizes()
    {
        QFETCH(double, scale);
        QFETCH(QList<int>, sizes);
        ShortCuts &page = openPage(scale);
        QStringList seen;
        for (int index = 0; index < 11; ++index) {
            const PageRow r = pageRow(page, index);
            seen << r.edit->property("ShortCutIndex").toString() + r.label->text() + ':'
                    + r.edit->objectName();
        }
        QCOMPARE(seen.join(' '),
                 "0老板键:bosskey 1映射开关: 2放大屏幕: 3缩小屏幕: 4切换全屏: 5返回桌面: 6摇一摇: "
                 "7截图: 8返回: 9最近应用: 10菜单:");
        const PageRow row = pageRow(page, Manager::RecentApps);
        QCOMPARE(button(page, "保存")->objectName(), QStringLiteral("greenColor"));
        auto *main = qobject_cast<QGridLayout *>(page.layout()->itemAt(0)->layout());
        auto *right = qobject_cast<QGridLayout *>(main->itemAtPosition(0, 1)->layout());
        QCOMPARE((QList<int> { row.edit->maximumHeight(), row.edit->minimumWidth(),
                               page.findChild<QWidget *>("TarnButtonsWidget")->maximumHeight(),
                               right->itemAtPosition(0, 0)->layout()->spacing(),
                               right->horizontalSpacing(), right->verticalSpacing(),
                               right->rowMinimumHeight(5), main->contentsMargins().left(),
                               page.layout()->spacing() }),
                 sizes);
    }

    // Zoom out's entry, on, F2 (none with "nokey") and default F3, with the flags the settings
    // file holds (stored), or without a name or config name; the older settings handed over,
    // off with givenKey; the update saved after, if any.
    void compatRestoreFlagCases_data()
    {
        columns<QString, QString, QString>({ "stored", "givenKey", "update" });
        row("none: older key", "none", "Ctrl+F1", "update(3,false,Ctrl+F1)");
        row("none, no older key: entry's", "none", "", "update(3,false,F2)");
        row("no older key, no entry key: default", "nokey", "", "update(3,false,F3)");
        row("no name: untouched", "noname", "Ctrl+F1", "");
        row("no config name: untouched", "noconfig", "Ctrl+F1", "");
        row("enabled: entry's flag", "enabled", "Ctrl+F1", "update(3,true,Ctrl+F1)");
        row("key: entry's key", " key", "Ctrl+F1", "update(3,false,F2)");
        row("both: untouched", "enabled key", "Ctrl+F1", "");
    }

    void compatRestoreFlagCases()
    {
        QFETCH(QString, stored);
        QFETCH(QString, givenKey);
        QFETCH(QString, update);
        ShortCuts page(nullptr, &m_iface);
        const auto unless = [&](const char *flag, const char *text) {
            return stored.contains(flag) ? QString() : QString(text);
        };
        Manager::_instance->seedEntry(Manager::ZoomOut,
                                      { unless("noname", "Zoom out"), unless("noconfig", "ZoomOut"),
                                        "F3", true, unless("nokey", "F2"),
                                        stored.contains("enabled"), stored.contains(" key") });
        page.compatRestoreConfig(Manager::ZoomOut, false, givenKey);
        QCOMPARE(callLog(), update.isEmpty() ? update : update + ";save(3)");
    }

    void firstLoadMigratesSecondWritesNothing()
    {
        QSettings legacy(m_dir.filePath(QStringLiteral("tarn.ini")), QSettings::IniFormat);
        for (const QString entry : { "BossKeyEdit=Ctrl+Alt+B", "BossKey=true",
                                     "KeyMapEdit=", "KeyMap=false", "ShakeEdit=Alt+Backspace" })
            legacy.setValue("Legacy/" + entry.section('=', 0, 0), entry.section('=', 1));
        legacy.sync();
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
        Manager::_instance->seedEntry(Manager::Menu, { "", "Menu", "F9", false, "F8", true, true });
        page.loadShortCuts();
        QCOMPARE(callLog(), QStringLiteral("loadShortCutsKey()"));
        QVERIFY(!pageRow(page, Manager::Screenshot).box->isChecked());
        QCOMPARE(pageRow(page, Manager::Screenshot).edit->text(), "Ctrl + Alt + Q");
        QCOMPARE(pageRow(page, Manager::Menu).edit->text(), "Ctrl + Alt + M"); // no name: kept
        // Restore shows the default; a refusal still goes back to the loaded key.
        ShortCutEdit *boss = pageRow(page, Manager::BossKey).edit;
        QTest::mouseClick(button(page, "恢复默认"), Qt::LeftButton);
        QCOMPARE(boss->text(), "Ctrl + Alt + X");
        QString notice;
        closeNextNotice(boss, notice);
        run(boss, "CA+Up");
        QCOMPARE(boss->text(), "Ctrl + Alt + B");
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
    void capturedKeyWithSpaceSurvivesRestart()
    {
        ShortCuts &page = openPage();
        run(pageRow(page, Manager::Screenshot).edit, "@L C+VolumeUp C-VolumeUp");
        QTest::mouseClick(button(page, "保存"), Qt::LeftButton);
        delete std::exchange(Manager::_instance, new Manager);
        QCOMPARE(pageRow(openPage(), Manager::Screenshot).edit->text(), "Ctrl + Volume Up");
    }
};

QTEST_MAIN(TestShortCuts)
#include "tst_shortcuts.moc"
