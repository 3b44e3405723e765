// SPDX-License-Identifier: LGPL-2.1-or-later
#include "noticecloser.h"
#include "shortcutedit.h"
#include "shortcutsmanager.h"
#include "tarnlib.h"

#include <QDialog>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

namespace {
struct Step
{
    bool press;
    int key;
    Qt::KeyboardModifiers modifiers;
    bool autoRepeat;
};

// One key event per step, with the modifiers held before it, as the platform reports
// them: QKeyEvent adds a modifier key's own flag on its press and drops it on its release.
// "P Q C" presses Q with Ctrl held, "R Shift CS" releases Shift while Ctrl and Shift are
// down. Letters: C Ctrl, S Shift, A Alt, M Meta, K keypad, R auto-repeat.
QVector<Step> parseSteps(const QString &script)
{
    static const QHash<QString, int> names = {
        { "Ctrl", Qt::Key_Control }, { "Shift", Qt::Key_Shift },   { "Alt", Qt::Key_Alt },
        { "Meta", Qt::Key_Meta },    { "Return", Qt::Key_Return }, { "Enter", Qt::Key_Enter },
        { "Space", Qt::Key_Space },  { "Esc", Qt::Key_Escape },    { "Tab", Qt::Key_Tab },
    };
    static const QHash<QChar, Qt::KeyboardModifier> flags = {
        { 'C', Qt::ControlModifier }, { 'S', Qt::ShiftModifier },  { 'A', Qt::AltModifier },
        { 'M', Qt::MetaModifier },    { 'K', Qt::KeypadModifier },
    };
    QVector<Step> steps;
    for (const QString &text : script.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList fields = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QString letters = fields.value(2);
        Step step { fields.at(0) == QLatin1String("P"),
                    names.value(fields.at(1), QKeySequence::fromString(fields.at(1))[0]),
                    {},
                    letters.contains(QLatin1Char('R')) };
        for (QChar letter : letters)
            step.modifiers |= flags.value(letter);
        steps.append(step);
    }
    return steps;
}

void run(ShortCutEdit &edit, const QString &script)
{
    for (const Step &step : parseSteps(script)) {
        QTest::simulateEvent(&edit, step.press, step.key, step.modifiers, QString(),
                             step.autoRepeat);
    }
}

} // namespace

class TestShortCutEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void constructionDefaults();
    void captureOutcomes_data();
    void captureOutcomes();
    void releaseRules_data();
    void releaseRules();
    void refusedCaptureShowsNotice_data();
    void refusedCaptureShowsNotice();
    void keysDoNotReachTheDialog();
    void clicksOnlySelect_data();
    void clicksOnlySelect();
    void handlersInvokableByName();

private:
    static ShortCutsManager *manager();
    QTemporaryDir m_dir;
};

ShortCutsManager *TestShortCutEdit::manager()
{
    if (!ShortCutsManager::_instance)
        ShortCutsManager::_instance = new ShortCutsManager;
    return ShortCutsManager::_instance;
}

void TestShortCutEdit::initTestCase()
{
    QVERIFY(m_dir.isValid());
    gScale = 1.0;
    setTarnConfigPath(m_dir.filePath(QStringLiteral("tarn.ini")));
}

void TestShortCutEdit::init()
{
    QFile::remove(m_dir.filePath(QStringLiteral("tarn.ini")));
}

void TestShortCutEdit::cleanup()
{
    delete ShortCutsManager::_instance;
    ShortCutsManager::_instance = nullptr;
}

void TestShortCutEdit::constructionDefaults()
{
    QWidget parent;
    ShortCutEdit edit(&parent, QStringLiteral("F5"));
    QCOMPARE(edit.parentWidget(), &parent);
    QCOMPARE(edit.text(), QStringLiteral("F5"));
    QCOMPARE(edit.styleSheet(), QStringLiteral("padding-left: 5px;\n height: 30px"));
    QVERIFY(edit.isReadOnly());
    QCOMPARE(edit.contextMenuPolicy(), Qt::NoContextMenu);
    QCOMPARE(edit.getIndex(), 0);
    QVERIFY(!edit.property("ShortCutIndex").isValid());
    edit.setIndex(9);
    QCOMPARE(edit.property("ShortCutIndex"), QVariant(9));
    edit.setPreviousText(QStringLiteral("Ctrl + Q"));
    QCOMPARE(edit.text(), QStringLiteral("F5"));
    QCOMPARE(edit.complementText(QStringLiteral("Ctrl+Return")), QStringLiteral("Ctrl + Enter"));
    QVERIFY(!ShortCutsManager::_instance);
}

// Index 7 is Screenshot; no field has the focus, so the manager counts every action.
void TestShortCutEdit::captureOutcomes_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("shownBefore");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("calls");
    const QString boss = QStringLiteral("bosskey");
    const QString prev = QStringLiteral("Ctrl + Alt + P");
    QTest::newRow("ctrl alone") << "" << 7 << prev << "P Ctrl"
                                << "Ctrl + " << QStringList();
    QTest::newRow("shift while ctrl held") << "" << 7 << prev << "P Ctrl,P Shift C"
                                           << "Ctrl + Shift + " << QStringList();
    QTest::newRow("alt alone") << "" << 7 << prev << "P Alt"
                               << "Alt + " << QStringList();
    QTest::newRow("meta alone") << "" << 7 << prev << "P Meta"
                                << "Meta"
                                << QStringList { "checkConflicts(Meta)", "updateConfig(7,Meta)" };
    QTest::newRow("ctrl meta") << "" << 7 << prev << "P Ctrl,P Meta C"
                               << "Ctrl + Meta"
                               << QStringList { "checkConflicts(Ctrl + Meta)",
                                                "updateConfig(7,Ctrl + Meta)" };
    QTest::newRow("ctrl q") << "" << 7 << prev << "P Ctrl,P Q C"
                            << "Ctrl + Q"
                            << QStringList { "checkConflicts(Ctrl + Q)",
                                             "updateConfig(7,Ctrl + Q)" };
    QTest::newRow("f5 over other text")
        << "" << 7 << prev << "P F5"
        << "F5" << QStringList { "checkConflicts(F5)", "updateConfig(7,F5)" };
    QTest::newRow("f5 already shown skips check") << "" << 7 << "F5"
                                                  << "P F5"
                                                  << "F5" << QStringList { "updateConfig(7,F5)" };
    QTest::newRow("ctrl q already shown still checks")
        << "" << 7 << "Ctrl + Q"
        << "P Ctrl,P Q C"
        << "Ctrl + Q" << QStringList { "checkConflicts(Ctrl + Q)", "updateConfig(7,Ctrl + Q)" };
    QTest::newRow("main enter") << "" << 7 << prev << "P Return"
                                << "Enter"
                                << QStringList { "checkConflicts(Enter)", "updateConfig(7,Enter)" };
    QTest::newRow("keypad enter") << "" << 7 << prev << "P Enter K"
                                  << "Enter2"
                                  << QStringList { "checkConflicts(Enter2)",
                                                   "updateConfig(7,Enter2)" };
    QTest::newRow("tab is captured")
        << "" << 7 << prev << "P Tab"
        << "Tab" << QStringList { "checkConflicts(Tab)", "updateConfig(7,Tab)" };
    QTest::newRow("modifiers in any order")
        << "" << 7 << prev << "P Alt,P Shift A,P Ctrl AS,P A ASC"
        << "Ctrl + Shift + Alt + A"
        << QStringList { "checkConflicts(Ctrl + Shift + Alt + A)",
                         "updateConfig(7,Ctrl + Shift + Alt + A)" };
    QTest::newRow("boss bare q") << boss << 0 << prev << "P Q"
                                 << "Alt + Q"
                                 << QStringList { "checkConflicts(Alt + Q)",
                                                  "updateConfig(0,Alt + Q)" };
    QTest::newRow("boss bare space") << boss << 0 << prev << "P Space"
                                     << "Ctrl + Alt + Space"
                                     << QStringList { "checkConflicts(Ctrl + Alt + Space)",
                                                      "updateConfig(0,Ctrl + Alt + Space)" };
    QTest::newRow("boss ctrl space")
        << boss << 0 << prev << "P Ctrl,P Space C"
        << "Ctrl + Space"
        << QStringList { "checkConflicts(Ctrl + Space)", "updateConfig(0,Ctrl + Space)" };
    QTest::newRow("auto repeat of the shown key")
        << "" << 7 << prev << "P F6,P F6 R"
        << "F6" << QStringList { "checkConflicts(F6)", "updateConfig(7,F6)", "updateConfig(7,F6)" };
    QTest::newRow("index never set reports 0")
        << "" << -1 << prev << "P F6"
        << "F6" << QStringList { "checkConflicts(F6)", "updateConfig(0,F6)" };
}

void TestShortCutEdit::captureOutcomes()
{
    QFETCH(QString, field);
    QFETCH(int, index);
    QFETCH(QString, shownBefore);
    QFETCH(QString, steps);
    QFETCH(QString, shown);
    QFETCH(QStringList, calls);
    ShortCutEdit edit(nullptr, shownBefore);
    edit.setObjectName(field);
    if (index >= 0)
        edit.setIndex(index);
    manager()->clearCalls();
    run(edit, steps);
    QCOMPARE(edit.text(), shown);
    QCOMPARE(manager()->calls(), calls);
    if (!calls.isEmpty())
        QCOMPARE(edit.selectedText(), shown);
}

// A release empties the field only while it shows a modifier prefix.
void TestShortCutEdit::releaseRules_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("ctrl pressed and released") << "P Ctrl,R Ctrl C" << QString() << QStringList();
    QTest::newRow("complete combination survives releases")
        << "P Ctrl,P Q C,R Q C,R Ctrl C"
        << "Ctrl + Q" << QStringList { "checkConflicts(Ctrl + Q)", "updateConfig(3,Ctrl + Q)" };
    QTest::newRow("shift released first empties, ctrl q still captures")
        << "P Ctrl,P Shift C,R Shift CS,P Q C"
        << "Ctrl + Q" << QStringList { "checkConflicts(Ctrl + Q)", "updateConfig(3,Ctrl + Q)" };
    QTest::newRow("release of another key while capturing")
        << "P Ctrl,R X C" << QString() << QStringList();
}

void TestShortCutEdit::releaseRules()
{
    QFETCH(QString, steps);
    QFETCH(QString, shown);
    QFETCH(QStringList, calls);
    ShortCutEdit edit(nullptr, QStringLiteral("F4"));
    edit.setIndex(3);
    manager()->clearCalls();
    run(edit, steps);
    QCOMPARE(edit.text(), shown);
    QCOMPARE(manager()->calls(), calls);
}

// Back holds Esc and Screenshot holds Ctrl+Alt+P by default.
void TestShortCutEdit::refusedCaptureShowsNotice_data()
{
    QTest::addColumn<QString>("previous");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("candidate");
    QTest::newRow("taken bare key") << "F9"
                                    << "P Esc"
                                    << "Esc";
    QTest::newRow("taken combination, empty previous") << ""
                                                       << "P Ctrl,P Alt C,P P CA"
                                                       << "Ctrl + Alt + P";
    QTest::newRow("auto repeat runs the check again") << "F9"
                                                      << "P Esc R"
                                                      << "Esc";
}

void TestShortCutEdit::refusedCaptureShowsNotice()
{
    QFETCH(QString, previous);
    QFETCH(QString, steps);
    QFETCH(QString, candidate);
    ShortCutEdit edit(nullptr, QStringLiteral("something else"));
    edit.setIndex(2);
    edit.setPreviousText(previous);
    manager()->clearCalls();
    Notice notice;
    closeNoticeLater(notice);
    run(edit, steps);
    QVERIFY(notice.shown);
    QCOMPARE(notice.title, QStringLiteral("Tarn"));
    QCOMPARE(notice.message, QStringLiteral("   快捷键冲突   "));
    QCOMPARE(notice.buttons, QStringList { "确定/TarnSmallBtn" });
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(edit.text(), previous);
    QCOMPARE(edit.selectedText(), previous);
    QCOMPARE(manager()->calls(), QStringList { "checkConflicts(" + candidate + ")" });
    QVERIFY(edit.findChildren<QDialog *>().isEmpty());
}

void TestShortCutEdit::keysDoNotReachTheDialog()
{
    QDialog dialog;
    ShortCutEdit edit(&dialog, QString());
    manager()->updateConfig(ShortCutsManager::Back, true, QStringLiteral("F12"));
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    dialog.show();
    QTest::keyClick(&edit, Qt::Key_Escape);
    QCOMPARE(rejected.count(), 0);
    QCOMPARE(edit.text(), QStringLiteral("Esc"));
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
    edit.deselect();
    edit.setCursorPosition(0);
    QTest::mouseClick(&edit, Qt::MouseButton(button), {}, QPoint(190, 10));
    QCOMPARE(edit.selectedText(), QStringLiteral("Ctrl + Alt + Q"));
    QCOMPARE(edit.text(), QStringLiteral("Ctrl + Alt + Q"));
    QVERIFY(!QApplication::activePopupWidget());
    QVERIFY(edit.findChildren<QMenu *>().isEmpty());
}

void TestShortCutEdit::handlersInvokableByName()
{
    const QMetaObject *meta = &ShortCutEdit::staticMetaObject;
    QCOMPARE(meta->className(), "ShortCutEdit");
    const int first = meta->methodOffset();
    QCOMPARE(meta->methodCount() - first, 3);
    QCOMPARE(meta->method(first).methodSignature(), QByteArray("mousePressEvent(QMouseEvent*)"));
    QCOMPARE(meta->method(first + 1).methodSignature(), QByteArray("keyPressEvent(QKeyEvent*)"));
    QCOMPARE(meta->method(first + 2).methodSignature(), QByteArray("keyReleaseEvent(QKeyEvent*)"));
    QCOMPARE(meta->method(first).access(), QMetaMethod::Private);
    ShortCutEdit edit(nullptr, QString());
    edit.setIndex(4);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F8, Qt::NoModifier);
    QVERIFY(QMetaObject::invokeMethod(&edit, "keyPressEvent", Q_ARG(QKeyEvent *, &press)));
    QCOMPARE(edit.text(), QStringLiteral("F8"));
    QVERIFY(press.isAccepted());
}

QTEST_MAIN(TestShortCutEdit)
#include "tst_shortcutedit.moc"
