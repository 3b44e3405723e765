// SPDX-License-Identifier: LGPL-2.1-or-later
#include "noticecloser.h"
#include "shortcutedit.h"
#include "shortcutsmanager.h"
#include "tarnlib.h"

#include <QDialog>
#include <QTemporaryDir>

namespace {
// Each step is one key event with the modifiers held before it, as the platform reports
// them (QKeyEvent adds a modifier key's own flag on its press): "P Q C" presses Q with
// Ctrl held, "R Shift CS" releases Shift. Letters: C Ctrl, S Shift, A Alt, K keypad,
// R auto-repeat.
void run(ShortCutEdit *edit, const QString &script)
{
    static const QHash<QString, int> names = { { "Ctrl", Qt::Key_Control },
                                               { "Shift", Qt::Key_Shift },
                                               { "Alt", Qt::Key_Alt },
                                               { "Meta", Qt::Key_Meta },
                                               { "Enter", Qt::Key_Enter } };
    static const QHash<QChar, Qt::KeyboardModifier> flags = { { 'C', Qt::ControlModifier },
                                                              { 'S', Qt::ShiftModifier },
                                                              { 'A', Qt::AltModifier },
                                                              { 'K', Qt::KeypadModifier } };
    for (const QString &step : script.split(QLatin1Char(','))) {
        const QStringList fields = step.split(QLatin1Char(' '));
        Qt::KeyboardModifiers modifiers;
        for (QChar letter : fields.value(2))
            modifiers |= flags.value(letter);
        const int key = names.value(fields.at(1), QKeySequence::fromString(fields.at(1))[0]);
        QTest::simulateEvent(edit, fields.at(0) == QLatin1String("P"), key, modifiers, QString(),
                             fields.value(2).contains(QLatin1Char('R')));
    }
}

void captureRow(const char *name, const char *field, int index, const char *shown,
                const char *steps, const char *after, const char *calls, bool notice = false)
{
    QTest::newRow(name) << QString(field) << index << QString(shown) << QString(steps)
                        << QString(after) << QString(calls) << notice;
}
} // namespace

class TestShortCutEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void capture_data();
    void capture();
    void construction();
    void clicksOnlySelect_data();
    void clicksOnlySelect();

private:
    QTemporaryDir m_dir;
};

void TestShortCutEdit::initTestCase()
{
    gScale = 1.0;
    setTarnConfigPath(m_dir.filePath(QStringLiteral("tarn.ini")));
}

void TestShortCutEdit::cleanup()
{
    delete ShortCutsManager::_instance;
    ShortCutsManager::_instance = nullptr;
}

// The field is Screenshot's (7) unless the row says otherwise; it shows its previous text,
// as after a load. Nothing has the focus, so the manager counts every action, Back's Esc
// and Screenshot's Ctrl+Alt+P included.
void TestShortCutEdit::capture_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("calls");
    QTest::addColumn<bool>("notice");
    const char *was = "Ctrl + Alt + P";
    captureRow("ctrl alone", "", 7, was, "P Ctrl", "Ctrl + ", "");
    captureRow("shift while ctrl held", "", 7, was, "P Ctrl,P Shift C", "Ctrl + Shift + ", "");
    captureRow("meta alone", "", 7, was, "P Meta", "Meta",
               "checkConflicts(Meta);updateConfig(7,Meta)");
    captureRow("ctrl q", "", 7, was, "P Ctrl,P Q C", "Ctrl + Q",
               "checkConflicts(Ctrl + Q);updateConfig(7,Ctrl + Q)");
    captureRow("f5 over other text", "", 7, was, "P F5", "F5",
               "checkConflicts(F5);updateConfig(7,F5)");
    captureRow("f5 already shown: no check", "", 7, "F5", "P F5", "F5", "updateConfig(7,F5)");
    captureRow("ctrl q already shown: checked", "", 7, "Ctrl + Q", "P Ctrl,P Q C", "Ctrl + Q",
               "checkConflicts(Ctrl + Q);updateConfig(7,Ctrl + Q)");
    captureRow("keypad enter", "", 7, was, "P Enter K", "Enter2",
               "checkConflicts(Enter2);updateConfig(7,Enter2)");
    captureRow("auto repeat", "", 7, was, "P F6,P F6 R", "F6",
               "checkConflicts(F6);updateConfig(7,F6);updateConfig(7,F6)");
    captureRow("boss bare q", "bosskey", 0, was, "P Q", "Alt + Q",
               "checkConflicts(Alt + Q);updateConfig(0,Alt + Q)");
    captureRow("boss bare space", "bosskey", 0, was, "P Space", "Ctrl + Alt + Space",
               "checkConflicts(Ctrl + Alt + Space);updateConfig(0,Ctrl + Alt + Space)");
    captureRow("index never set", "", -1, was, "P F6", "F6",
               "checkConflicts(F6);updateConfig(0,F6)");
    captureRow("release while capturing", "", 7, was, "P Ctrl,R Ctrl C", "", "");
    captureRow("complete survives releases", "", 7, was, "P Ctrl,P Q C,R Q C,R Ctrl C", "Ctrl + Q",
               "checkConflicts(Ctrl + Q);updateConfig(7,Ctrl + Q)");
    captureRow("shift released first", "", 7, was, "P Ctrl,P Shift C,R Shift CS,P Q C", "Ctrl + Q",
               "checkConflicts(Ctrl + Q);updateConfig(7,Ctrl + Q)");
    captureRow("taken key refused", "", 7, "F9", "P Esc", "F9", "checkConflicts(Esc)", true);
    captureRow("taken repeat refused", "", 7, was, "P Esc R", was, "checkConflicts(Esc)", true);
    captureRow("refused, empty previous", "", 7, "", "P Ctrl,P Alt C,P P CA", "",
               "checkConflicts(Ctrl + Alt + P)", true);
}

void TestShortCutEdit::capture()
{
    QFETCH(QString, field);
    QFETCH(int, index);
    QFETCH(QString, shown);
    QFETCH(QString, steps);
    QFETCH(QString, after);
    QFETCH(QString, calls);
    QFETCH(bool, notice);
    QDialog dialog;
    ShortCutEdit *edit = new ShortCutEdit(&dialog, shown);
    edit->setObjectName(field);
    if (index >= 0)
        edit->setIndex(index);
    edit->setPreviousText(shown); // as loaded by the page
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    Notice seen;
    if (notice)
        closeNoticeLater(seen);
    run(edit, steps);
    QCOMPARE(edit->text(), after);
    QCOMPARE(ShortCutsManager::_instance ? ShortCutsManager::_instance->calls().join(';')
                                         : QString(),
             calls);
    if (!calls.isEmpty())
        QCOMPARE(edit->selectedText(), after);
    QCOMPARE(rejected.count(), 0);
    QCOMPARE(seen.shown, notice);
    if (notice) {
        QCOMPARE(seen.title, QStringLiteral("Tarn"));
        QCOMPARE(seen.message, QStringLiteral("   快捷键冲突   "));
        QCOMPARE(seen.buttons, QStringList { "确定/TarnSmallBtn" });
        QVERIFY(edit->findChildren<QDialog *>().isEmpty());
    }
}

void TestShortCutEdit::construction()
{
    QWidget parent;
    ShortCutEdit edit(&parent, QStringLiteral("F5"));
    QCOMPARE(edit.text(), QStringLiteral("F5"));
    QCOMPARE(edit.styleSheet(), QStringLiteral("padding-left: 5px;\n height: 30px"));
    QVERIFY(edit.isReadOnly());
    QCOMPARE(edit.contextMenuPolicy(), Qt::NoContextMenu);
    QCOMPARE(edit.getIndex(), 0);
    edit.setIndex(9);
    QCOMPARE(edit.property("ShortCutIndex"), QVariant(9));
    edit.setPreviousText(QStringLiteral("Ctrl + Q"));
    QCOMPARE(edit.text(), QStringLiteral("F5"));
    QCOMPARE(edit.complementText(QStringLiteral("Ctrl+Return")), QStringLiteral("Ctrl + Enter"));
    QVERIFY(!ShortCutsManager::_instance);
    const QMetaObject *meta = edit.metaObject();
    QCOMPARE(meta->className(), "ShortCutEdit");
    QCOMPARE(meta->methodCount() - meta->methodOffset(), 3);
    QCOMPARE(meta->method(meta->methodOffset() + 2).methodSignature(),
             QByteArray("keyReleaseEvent(QKeyEvent*)"));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F8, Qt::NoModifier);
    QVERIFY(QMetaObject::invokeMethod(&edit, "keyPressEvent", Q_ARG(QKeyEvent *, &press)));
    QCOMPARE(edit.text(), QStringLiteral("F8"));
}

void TestShortCutEdit::clicksOnlySelect_data()
{
    QTest::addColumn<int>("button");
    QTest::newRow("left") << int(Qt::LeftButton);
    QTest::newRow("right") << int(Qt::RightButton);
}

void TestShortCutEdit::clicksOnlySelect()
{
    QFETCH(int, button);
    QWidget window;
    ShortCutEdit edit(&window, QStringLiteral("Ctrl + Alt + Q"));
    edit.setFixedWidth(200);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    edit.setCursorPosition(0);
    QTest::mouseClick(&edit, Qt::MouseButton(button), {}, QPoint(190, 10));
    QCOMPARE(edit.selectedText(), QStringLiteral("Ctrl + Alt + Q"));
    QVERIFY(!QApplication::activePopupWidget());
}

QTEST_MAIN(TestShortCutEdit)
#include "tst_shortcutedit.moc"
