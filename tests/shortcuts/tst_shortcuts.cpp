// SPDX-License-Identifier: LGPL-2.1-or-later
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
// @B names the field "bosskey".
void run(ShortCutEdit *edit, const QString &script)
{
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QInputMethodEvent typed;
    typed.setCommitString("x");
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
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
    QString m_path;
    TarnInterface m_iface;

    // The settings file as any other program reads it.
    QVariant stored(const QString &key)
    {
        return QSettings(m_path, QSettings::IniFormat).value(key);
    }

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path()));
        m_path = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/tarn.ini";
    }

    void init() { QFile::remove(m_path); }

    void cleanup() { delete std::exchange(Manager::_instance, nullptr); }

    // Screenshot's field (index 7) showing Ctrl + Alt + P, its default, in a dialog that must
    // never see a key, not even Esc or Return; Back holds Esc; selected after: the text, unless
    // a prefix or the focus has left. held: the key the manager holds for Screenshot after;
    // refused: the conflict notice opened, with its spaces.
    void capture_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("held");
        QTest::addColumn<bool>("refused");
        row("shown key again", "+F6 R+F6", "F6", "F6", false);
        row("main enter", "+Return", "Enter", "Return", false);
        row("focus leaves mid-capture", "+Control @O", "", "Ctrl+Alt+P", false);
        row("releases keep the capture", "+Control C+Q C-Q -Control", "Ctrl + Q", "Ctrl+Q", false);
        row("esc refused after capture", "+F7 +Escape", "F7", "F7", true);
        row("another action's key refused", "CA+Up", "Ctrl + Alt + P", "Ctrl+Alt+P", true);
        row("boss key: a bare key gets Alt", "@B +F6", "Alt + F6", "Alt+F6", false);
        row("boss key: bare space gets Ctrl and Alt", "@B +Space", "Ctrl + Alt + Space",
            "Ctrl+Alt+Space", false);
        row("focus leaving deselects", "@L @O", "Ctrl + Alt + P", "Ctrl+Alt+P", false);
        row("typed text and menu ignored", "@L @T @M", "Ctrl + Alt + P", "Ctrl+Alt+P", false);
    }

    void capture()
    {
        QFETCH(QString, steps);
        QFETCH(QString, after);
        QFETCH(QString, held);
        QFETCH(bool, refused);
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
        const Manager::ShortCutIndex shot = Manager::Screenshot;
        QCOMPARE(Manager::_instance ? Manager::_instance->getShortCutsKey(shot).key : "Ctrl+Alt+P",
                 held);
        QCOMPARE(notice, refused ? "   快捷键冲突   " : "");
        QCOMPARE(finished.count(), 0);
    }

    // Screenshot's stored entry is off with Ctrl+Alt+Q. Restore ticks every box, shows the
    // defaults and writes nothing; a refusal still goes back to the loaded key. Save writes
    // every row in compact form, and the manager applies them before the window closes.
    void loadRestoreRefuseSave()
    {
        QSettings settings(m_path, QSettings::IniFormat);
        settings.setValue("ShortCuts/Screenshot/Enabled", false);
        settings.setValue("ShortCuts/Screenshot/Key", "Ctrl+Alt+Q");
        settings.setValue("Legacy/ZoomOutEdit", "Ctrl+F1"); // older settings, carried over
        settings.sync();
        QWidget window;
        ShortCuts page(&window, &m_iface);
        window.show();
        page.loadShortCuts();
        ShortCutEdit *shot = child<ShortCutEdit>(page, "ShortCutIndex", Manager::Screenshot);
        ShortCutEdit *menu = child<ShortCutEdit>(page, "ShortCutIndex", Manager::Menu);
        QPushButton *restore = child<QPushButton>(page, "text", "恢复默认");
        QPushButton *save = child<QPushButton>(page, "text", "保存");
        QVERIFY(shot && menu && restore && save);
        QStringList off; // the boxes left unticked: the one whose entry says so
        for (const QCheckBox *box : page.findChildren<QCheckBox *>())
            off << (box->isChecked() ? QString() : box->accessibleName());
        off.removeAll(QString());
        QCOMPARE(off, QStringList({ "启用截图" }));
        QCOMPARE(shot->text(), "Ctrl + Alt + Q");
        QCOMPARE(stored("ShortCuts/ZoomOut/Key").toString(), "Ctrl+F1");
        QTest::mouseClick(restore, Qt::LeftButton);
        QCOMPARE(shot->text(), "Ctrl + Alt + P");
        QCOMPARE(stored("ShortCuts/Screenshot/Enabled").toBool(), false);
        QString notice;
        closeNextNotice(shot, notice);
        run(shot, "CA+Up");
        QCOMPARE(shot->text(), "Ctrl + Alt + Q");
        menu->clear();
        bool openWhenApplied = false;
        connect(Manager::_instance, &Manager::shortCutsApplied, this,
                [&] { openWhenApplied = window.isVisible(); });
        QTest::mouseClick(save, Qt::LeftButton);
        QVERIFY(openWhenApplied);
        QVERIFY(!window.isVisible());
        QCOMPARE(stored("ShortCuts/Screenshot/Key").toString(), "Ctrl+Alt+Q");
        QCOMPARE(stored("ShortCuts/Screenshot/Enabled").toBool(), true); // Restore ticked it
        QCOMPARE(stored("ShortCuts/Menu/Key").toString(), ""); // an empty row is written too
        // Cancel closes the window and writes nothing.
        window.show();
        page.findChildren<QCheckBox *>().first()->click();
        QTest::mouseClick(child<QPushButton>(page, "text", "取消"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(stored("ShortCuts/BossKey/Enabled").toBool(), true);
    }
};

QTEST_MAIN(TestShortCuts)
#include "tst_shortcuts.moc"
