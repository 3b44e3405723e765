// SPDX-License-Identifier: LGPL-2.1-or-later
#include "keytext.h"

#include <QtTest>

using namespace TarnUI;

class TestKeyText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workedExamplesBothWays_data();
    void workedExamplesBothWays();
    void displayOnlyEdgeCases_data();
    void displayOnlyEdgeCases();
    void compactOnlyEdgeCases_data();
    void compactOnlyEdgeCases();
    void composeKeyPress_data();
    void composeKeyPress();
    void keyNamesOfThisQtRoundTrip_data();
    void keyNamesOfThisQtRoundTrip();
};

void TestKeyText::workedExamplesBothWays_data()
{
    QTest::addColumn<QString>("compact");
    QTest::addColumn<QString>("display");
    QTest::newRow("ctrl q") << "Ctrl+Q"
                            << "Ctrl + Q";
    QTest::newRow("shift alt f5") << "Shift+Alt+F5"
                                  << "Shift + Alt + F5";
    QTest::newRow("three modifiers") << "Ctrl+Shift+Alt+A"
                                     << "Ctrl + Shift + Alt + A";
    QTest::newRow("main enter") << "Return"
                                << "Enter";
    QTest::newRow("keypad enter") << "Enter"
                                  << "Enter2";
    QTest::newRow("ctrl return") << "Ctrl+Return"
                                 << "Ctrl + Enter";
    QTest::newRow("ctrl keypad enter") << "Ctrl+Enter"
                                       << "Ctrl + Enter2";
    QTest::newRow("caps lock") << "Ctrl+CapsLock"
                               << "Ctrl + Cap";
    QTest::newRow("page down") << "PgDown"
                               << "PgDn";
    QTest::newRow("backspace") << "Alt+Backspace"
                               << "Alt + Back";
    QTest::newRow("boss alt q") << "Alt+Q"
                                << "Alt + Q";
    QTest::newRow("boss space") << "Ctrl+Alt+Space"
                                << "Ctrl + Alt + Space";
    QTest::newRow("prefix only") << "Ctrl+"
                                 << "Ctrl + ";
    QTest::newRow("two modifiers prefix") << "Ctrl+Shift+"
                                          << "Ctrl + Shift + ";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("plus key") << "+"
                              << "+";
    QTest::newRow("ctrl plus") << "Ctrl++"
                               << "Ctrl + +";
    QTest::newRow("meta") << "Ctrl+Meta"
                          << "Ctrl + Meta";
    QTest::newRow("backtab") << "Shift+Backtab"
                             << "Shift + Backtab";
    QTest::newRow("volume up") << "Ctrl+Volume Up"
                               << "Ctrl + Volume Up";
    QTest::newRow("back forward") << "Back Forward"
                                  << "Back Forward";
}

void TestKeyText::workedExamplesBothWays()
{
    QFETCH(QString, compact);
    QFETCH(QString, display);
    QCOMPARE(displayKeyText(compact), display);
    QCOMPARE(compactKeyText(display), compact);
}

// Display texts that do not come from displayKeyText().
void TestKeyText::displayOnlyEdgeCases_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("compact");
    QTest::newRow("extra outer spaces") << " Ctrl + Q "
                                        << "Ctrl+Q";
    QTest::newRow("doubled spaces") << "Ctrl  +  Alt  +  Q"
                                    << "Ctrl+Alt+Q";
    QTest::newRow("no spaces") << "Ctrl+Alt+Q"
                               << "Ctrl+Alt+Q";
    QTest::newRow("compact return is not display") << "Ctrl+Return"
                                                   << "Ctrl+Return";
    QTest::newRow("spaces only") << "   "
                                 << "";
    QTest::newRow("enter2 never becomes return") << "Shift + Enter2"
                                                 << "Shift+Enter";
    QTest::newRow("cap inside name untouched") << "Capture"
                                               << "Capture";
}

void TestKeyText::displayOnlyEdgeCases()
{
    QFETCH(QString, display);
    QFETCH(QString, compact);
    QCOMPARE(compactKeyText(display), compact);
}

// Applied to the wrong form, the conversion is not a no-op.
void TestKeyText::compactOnlyEdgeCases_data()
{
    QTest::addColumn<QString>("compact");
    QTest::addColumn<QString>("display");
    QTest::newRow("display enter") << "Enter"
                                   << "Enter2";
    QTest::newRow("display text stays spaced") << "Ctrl + Q"
                                               << "Ctrl + Q";
    QTest::newRow("meta modifier kept") << "Meta+Return"
                                        << "Meta+Enter";
}

void TestKeyText::compactOnlyEdgeCases()
{
    QFETCH(QString, compact);
    QFETCH(QString, display);
    QCOMPARE(displayKeyText(compact), display);
}

void TestKeyText::composeKeyPress_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("compact");
    QTest::addColumn<bool>("modifierOnly");
    const int ctrl = Qt::ControlModifier;
    const int shift = Qt::ShiftModifier;
    const int alt = Qt::AltModifier;
    const int keypad = Qt::KeypadModifier;
    const int meta = Qt::MetaModifier;
    const int group = Qt::GroupSwitchModifier;
    const QString none;
    const QString boss = QStringLiteral("bosskey");
    QTest::newRow("ctrl q") << ctrl << int(Qt::Key_Q) << none << "Ctrl+Q" << false;
    QTest::newRow("alt shift f5 in qt order")
        << (alt | shift) << int(Qt::Key_F5) << none << "Shift+Alt+F5" << false;
    QTest::newRow("all three") << (shift | alt | ctrl) << int(Qt::Key_A) << none
                               << "Ctrl+Shift+Alt+A" << false;
    QTest::newRow("main enter") << 0 << int(Qt::Key_Return) << none << "Return" << false;
    QTest::newRow("keypad enter") << keypad << int(Qt::Key_Enter) << none << "Enter" << false;
    QTest::newRow("keypad digit") << keypad << int(Qt::Key_5) << none << "5" << false;
    QTest::newRow("ctrl capslock")
        << ctrl << int(Qt::Key_CapsLock) << none << "Ctrl+CapsLock" << false;
    QTest::newRow("page down") << 0 << int(Qt::Key_PageDown) << none << "PgDown" << false;
    QTest::newRow("alt backspace")
        << alt << int(Qt::Key_Backspace) << none << "Alt+Backspace" << false;
    QTest::newRow("space") << 0 << int(Qt::Key_Space) << none << "Space" << false;
    QTest::newRow("esc") << 0 << int(Qt::Key_Escape) << none << "Esc" << false;
    QTest::newRow("meta alone") << meta << int(Qt::Key_Meta) << none << "Meta" << false;
    QTest::newRow("ctrl meta") << (ctrl | meta) << int(Qt::Key_Meta) << none << "Ctrl+Meta"
                               << false;
    QTest::newRow("meta and group flags ignored")
        << (meta | group) << int(Qt::Key_Z) << none << "Z" << false;
    QTest::newRow("shift backtab")
        << shift << int(Qt::Key_Backtab) << none << "Shift+Backtab" << false;
    QTest::newRow("volume up") << 0 << int(Qt::Key_VolumeUp) << none << "Volume Up" << false;
    QTest::newRow("ctrl alone") << ctrl << int(Qt::Key_Control) << none << "Ctrl+" << true;
    QTest::newRow("shift with ctrl held")
        << (ctrl | shift) << int(Qt::Key_Shift) << none << "Ctrl+Shift+" << true;
    QTest::newRow("alt alone") << alt << int(Qt::Key_Alt) << boss << "Alt+" << true;
    QTest::newRow("boss bare key") << 0 << int(Qt::Key_Q) << boss << "Alt+Q" << false;
    QTest::newRow("boss bare space")
        << 0 << int(Qt::Key_Space) << boss << "Ctrl+Alt+Space" << false;
    QTest::newRow("boss ctrl space") << ctrl << int(Qt::Key_Space) << boss << "Ctrl+Space" << false;
    QTest::newRow("boss plus key") << 0 << int(Qt::Key_Plus) << boss << "+" << false;
    QTest::newRow("boss as substring") << 0 << int(Qt::Key_Q) << "mybosskey2"
                                       << "Alt+Q" << false;
    QTest::newRow("boss is case sensitive") << 0 << int(Qt::Key_Q) << "BossKey"
                                            << "Q" << false;
}

void TestKeyText::composeKeyPress()
{
    QFETCH(int, modifiers);
    QFETCH(int, key);
    QFETCH(QString, field);
    QFETCH(QString, compact);
    QFETCH(bool, modifierOnly);
    const auto flags = Qt::KeyboardModifiers(modifiers);
    QCOMPARE(composeKeyText(flags, key, field), compact);
    QCOMPARE(isModifierKey(key), modifierOnly);
}

// Every named key this Qt knows composes, shows and compacts back to itself.
void TestKeyText::keyNamesOfThisQtRoundTrip_data()
{
    QTest::addColumn<int>("key");
    const QMetaEnum keys = QMetaEnum::fromType<Qt::Key>();
    for (int i = 0; i < keys.keyCount(); ++i) {
        const int key = keys.value(i);
        if (!isModifierKey(key) && !QKeySequence(key).toString().isEmpty())
            QTest::newRow(keys.key(i)) << key;
    }
}

void TestKeyText::keyNamesOfThisQtRoundTrip()
{
    QFETCH(int, key);
    const QString compact = composeKeyText(Qt::ControlModifier, key, QString());
    const bool ambiguous = key == Qt::Key_Back; // shown as "Back", like Backspace
    if (ambiguous)
        QCOMPARE(compactKeyText(displayKeyText(compact)), QStringLiteral("Ctrl+Backspace"));
    else
        QCOMPARE(compactKeyText(displayKeyText(compact)), compact);
}

QTEST_MAIN(TestKeyText)
#include "tst_keytext.moc"
