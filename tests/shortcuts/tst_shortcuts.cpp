// SPDX-License-Identifier: LGPL-2.1-or-later
#include "keytext.h"
#include "tarnlibtesting.h"
#include <TarnUILib/TarnUILib.h>

#include <QtTest>
#include <QtWidgets>

namespace {
using Manager = ShortCutsManager;

// The page's child of type T whose property name holds value, or null: an edit by its
// "ShortCutIndex", a button by its "text".
template<typename T>
T *child(QObject &page, const char *name, const QVariant &value)
{
    const QList<T *> all = page.findChildren<T *>();
    const auto found =
        std::find_if(all.begin(), all.end(), [&](T *c) { return c->property(name) == value; });
    return found == all.end() ? nullptr : *found;
}

// The manager's calls since the last look, updateConfig, saveConfig and checkConflicts
// shortened to update, save and check.
QString callLog()
{
    QString all = TarnLibTesting::calls(Manager::_instance).join(';');
    TarnLibTesting::clearCalls(Manager::_instance);
    return all.replace("Config(", "(").replace("checkConflicts(", "check(");
}

template<typename... Values>
void row(const char *name, Values... values)
{
    (QTest::newRow(name) << ... << values);
}

// Closes the conflict notice, if the next refused capture opens one, noting its text in seen.
void closeNextNotice(QObject *context, QString &seen)
{
    QTimer::singleShot(0, context, [&seen] {
        if (QWidget *box = QApplication::activeModalWidget()) {
            seen = box->findChild<QLabel *>("TarnLabelText_Regular_12")->text();
            QTest::mouseClick(box->findChild<QPushButton *>(), Qt::LeftButton);
        }
    });
}

// Key script: "CA+P" presses P with Ctrl+Alt held, "-" releases; S Shift, R repeat; @L clicks,
// @O takes the focus away, @T types "x" through the input method, @M asks for a context menu,
// @B names the field "bosskey", @D turns Back (Esc) off.
void run(ShortCutEdit *edit, const QString &script)
{
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QInputMethodEvent typed;
    typed.setCommitString("x");
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5));
    for (const QString &step : script.split(' ')) {
        const int at = step.indexOf(QRegularExpression("[-+@]"));
        const QString held = step.left(at);
        const int modifiers = held.contains('C') * Qt::CTRL | held.contains('A') * Qt::ALT
            | held.contains('S') * Qt::SHIFT;
        const int key =
            QMetaEnum::fromType<Qt::Key>().keyToValue(qPrintable("Key_" + step.mid(at + 1)));
        if (step == "@O")
            QApplication::sendEvent(edit, &out);
        else if (step == "@L")
            QTest::mouseClick(edit, Qt::LeftButton);
        else if (step == "@T")
            QApplication::sendEvent(edit, &typed);
        else if (step == "@M")
            QApplication::sendEvent(edit, &menu);
        else if (step == "@B")
            edit->setObjectName("bosskey");
        else if (step == "@D")
            (Manager::_instance ? Manager::_instance : Manager::_instance = new Manager)
                ->updateConfig(Manager::Back, false, "Esc");
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

private Q_SLOTS:
    void initTestCase()
    {
        TarnLibTesting::setConfigPath(m_dir.filePath(QStringLiteral("tarn.ini")));
        TarnLibTesting::setCallLogEnabled(true);
    }

    void init() { QFile::remove(m_dir.filePath(QStringLiteral("tarn.ini"))); }

    void cleanup() { delete std::exchange(Manager::_instance, nullptr); }

    // The names the display form spells differently. The display text goes back to the
    // compact one even with spaces added around it.
    void keyTexts_data()
    {
        QTest::addColumn<QString>("compact");
        QTest::addColumn<QString>("display");
        row("main enter", "Return", "Enter");
        row("keypad enter", "Ctrl+Enter", "Ctrl + Enter2");
        row("caps lock", "Ctrl+CapsLock", "Ctrl + Cap");
        row("page down", "PgDown", "PgDn");
        row("backspace", "Alt+Backspace", "Alt + Back");
    }

    void keyTexts()
    {
        QFETCH(QString, compact);
        QFETCH(QString, display);
        QCOMPARE(TarnUI::displayKeyText(compact), display);
        QCOMPARE(TarnUI::compactKeyText("  " + display + ' '), compact);
    }

    // Screenshot's field (index 7) showing Ctrl + Alt + P as after a load, in a dialog that must
    // never see a key, not even Esc or Return; Back holds Esc; selected after: the text, unless a
    // prefix or the focus has left. calls: what the manager is asked,
    // %1 standing for the text shown after. A check with no update after it is a refused
    // capture, which must show the conflict notice with its spaces.
    void capture_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("calls");
        const char *accepted = "check(%1);update(7,%1)";
        row("shown key again: no check", "+F6 R+F6", "F6", "check(%1);update(7,%1);update(7,%1)");
        row("main enter", "+Return", "Enter", accepted);
        row("held modifiers in order", "+Alt A+Shift AS+Control", "Ctrl + Shift + Alt + ", "");
        row("focus leaves mid-capture", "+Control @O", "", "");
        row("nameless key: still capturing", "C+Control C+unknown", "Ctrl + ", "");
        row("shift released first", "+Control C+Shift CS-Shift", "", "");
        row("releases keep a combination", "+Control C+Q C-Q -Control", "Ctrl + Q", accepted);
        row("esc refused after capture", "+F7 +Escape", "F7", "check(%1);update(7,%1);check(Esc)");
        row("a click only selects", "@L", "Ctrl + Alt + P", "");
        row("focus leaving deselects", "@L @O", "Ctrl + Alt + P", "");
        row("typing and a context menu change nothing", "@L @T @M", "Ctrl + Alt + P", "");
        row("boss key: a bare key gets Alt", "@B +F6", "Alt + F6", accepted);
        row("boss key: bare space gets Ctrl and Alt", "@B +Space", "Ctrl + Alt + Space", accepted);
        row("boss key: space with a modifier kept", "@B S+Space", "Shift + Space", accepted);
        row("a turned off action still holds its key", "@D +Escape", "Ctrl + Alt + P",
            "update(8,false,Esc);check(Esc)");
    }

    void capture()
    {
        QFETCH(QString, steps);
        QFETCH(QString, after);
        QFETCH(QString, calls);
        QDialog parent;
        QSignalSpy finished(&parent, &QDialog::finished);
        ShortCutEdit *edit = new ShortCutEdit(&parent, "Ctrl + Alt + P");
        edit->setIndex(7);
        edit->setPreviousText(edit->text());
        QString notice;
        closeNextNotice(edit, notice);
        run(edit, steps);
        QWidget *menu = QApplication::activePopupWidget();
        delete menu;
        QVERIFY(!menu);
        QCOMPARE(edit->text(), after);
        QCOMPARE(edit->selectedText(),
                 after.endsWith(' ') || steps.endsWith("@O") ? QString() : after);
        QCOMPARE(Manager::_instance ? callLog() : QString(), calls.replace("%1", after));
        QCOMPARE(notice, calls.section(';', -1).startsWith("check") ? "   快捷键冲突   " : "");
        QCOMPARE(finished.count(), 0);
    }

    // Zoom out's entry, on, F2 (none with "nokey") and default F3, with the flags the settings
    // file holds (stored), or without a name or config name; the older settings hand over off
    // and Ctrl+F1 (no key with "nokey"); the update saved after, if any.
    void migration_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("update");
        row("none: older key", "", "update(3,false,Ctrl+F1)");
        row("no older key, no entry key: default", "nokey", "update(3,false,F3)");
        row("no name: untouched", "noname", "");
        row("no config name: untouched", "noconfig", "");
        row("enabled: entry's flag", "enabled", "update(3,true,Ctrl+F1)");
        row("both: untouched", "enabled key", "");
    }

    void migration()
    {
        QFETCH(QString, stored);
        QFETCH(QString, update);
        ShortCuts page(nullptr, &m_iface);
        const auto unless = [&](const char *flag, const char *text) {
            return stored.contains(flag) ? QString() : QString(text);
        };
        TarnLibTesting::seedEntry(Manager::_instance, Manager::ZoomOut,
                                  { unless("noname", "Zoom out"), unless("noconfig", "ZoomOut"),
                                    "F3", true, unless("nokey", "F2"), stored.contains("enabled"),
                                    stored.contains(" key") });
        page.compatRestoreConfig(Manager::ZoomOut, false, unless("nokey", "Ctrl+F1"));
        QCOMPARE(callLog(), update.isEmpty() ? update : update + ";save(3)");
    }

    // Screenshot's entry holds Ctrl+Alt+Q, off, default F3; Menu's has no name, so load leaves
    // its field empty. Restore ticks every box, shows the defaults and writes nothing; a refusal
    // still goes back to the loaded key. Save hands over compact keys, persists them, and the
    // manager applies them before the window closes.
    void loadRestoreRefuseSave()
    {
        QWidget window;
        ShortCuts page(&window, &m_iface);
        TarnLibTesting::seedEntry(Manager::_instance, Manager::Screenshot,
                                  { "Shot", "Shot", "F3", false, "Ctrl+Alt+Q", true, true });
        TarnLibTesting::seedEntry(Manager::_instance, Manager::Menu,
                                  { "", "Menu", "F9", false, "F8", true, true });
        window.show();
        page.loadShortCuts();
        // Loading saves each entry the file does not hold yet, those with older settings first;
        // Screenshot (7), held already, and Menu (10), without a name, are left alone.
        QCOMPARE(callLog().split(';').filter("save(").join(' '),
                 "save(0) save(1) save(2) save(3) save(5) save(6) save(4) save(8) save(9)");
        ShortCutEdit *shot = child<ShortCutEdit>(page, "ShortCutIndex", Manager::Screenshot);
        ShortCutEdit *menu = child<ShortCutEdit>(page, "ShortCutIndex", Manager::Menu);
        QPushButton *restore = child<QPushButton>(page, "text", "恢复默认");
        QPushButton *save = child<QPushButton>(page, "text", "保存");
        QVERIFY(shot && menu && restore && save);
        QStringList off; // the boxes left unticked: the two whose entries say so
        for (const QCheckBox *box : page.findChildren<QCheckBox *>())
            off << (box->isChecked() ? QString() : box->accessibleName());
        off.removeAll(QString());
        QCOMPARE(off, QStringList({ "启用菜单", "启用截图" }));
        QCOMPARE(shot->text(), "Ctrl + Alt + Q");
        QCOMPARE(menu->text(), "");
        callLog();
        QTest::mouseClick(restore, Qt::LeftButton);
        QCOMPARE(shot->text(), "F3");
        QString notice;
        closeNextNotice(shot, notice);
        run(shot, "CA+Up");
        QCOMPARE(shot->text(), "Ctrl + Alt + Q");
        QCOMPARE(callLog(), "check(Ctrl + Alt + Up)");
        bool openWhenApplied = false;
        connect(Manager::_instance, &Manager::shortCutsApplied, this,
                [&] { openWhenApplied = window.isVisible(); });
        QTest::mouseClick(save, Qt::LeftButton);
        const QString saved = callLog();
        QCOMPARE(saved.section(';', -3),
                 "update(9,true,Ctrl+Alt+R);saveAllConfigs();updateShortCutKey()");
        QVERIFY(saved.contains("update(7,true,Ctrl+Alt+Q)")); // Restore ticked its box
        QVERIFY(openWhenApplied);
        QVERIFY(!window.isVisible());
        // Loaded again, Screenshot's box is off, and Save hands that over.
        page.loadShortCuts();
        callLog();
        QTest::mouseClick(save, Qt::LeftButton);
        QVERIFY(callLog().contains("update(7,false,Ctrl+Alt+Q)"));
        // Cancel closes the window and writes nothing.
        window.show();
        QTest::mouseClick(child<QPushButton>(page, "text", "取消"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(callLog(), "");
    }
};

QTEST_MAIN(TestShortCuts)
#include "tst_shortcuts.moc"
