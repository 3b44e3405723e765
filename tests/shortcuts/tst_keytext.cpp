// SPDX-License-Identifier: LGPL-2.1-or-later
#include "keytext.h"

#include <QtTest>

using namespace TarnUI;

class TestKeyText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void conversions_data();
    void conversions();
    void composition_data();
    void composition();
    void everyQtKeyNameRoundTrips_data();
    void everyQtKeyNameRoundTrips();
};

enum Way { ToDisplay = 1, ToCompact = 2, BothWays = 3 };

void textRow(const char *name, const char *compact, const char *display, int ways = BothWays)
{
    QTest::newRow(name) << QString(compact) << QString(display) << ways;
}

void keyRow(const char *name, int modifiers, int key, const char *field, const char *compact)
{
    QTest::newRow(name) << modifiers << key << QString(field) << QString(compact);
}

void TestKeyText::conversions_data()
{
    QTest::addColumn<QString>("compact");
    QTest::addColumn<QString>("display");
    QTest::addColumn<int>("ways");
    textRow("ctrl q", "Ctrl+Q", "Ctrl + Q");
    textRow("qt order kept", "Shift+Alt+F5", "Shift + Alt + F5");
    textRow("three", "Ctrl+Shift+Alt+A", "Ctrl + Shift + Alt + A");
    textRow("main enter", "Return", "Enter");
    textRow("keypad enter", "Enter", "Enter2");
    textRow("ctrl main enter", "Ctrl+Return", "Ctrl + Enter");
    textRow("ctrl keypad enter", "Ctrl+Enter", "Ctrl + Enter2");
    textRow("caps lock", "Ctrl+CapsLock", "Ctrl + Cap");
    textRow("page down", "PgDown", "PgDn");
    textRow("backspace", "Alt+Backspace", "Alt + Back");
    textRow("boss space", "Ctrl+Alt+Space", "Ctrl + Alt + Space");
    textRow("prefix only", "Ctrl+Shift+", "Ctrl + Shift + ");
    textRow("empty", "", "");
    textRow("plus key", "Ctrl++", "Ctrl + +");
    textRow("backtab whole name", "Shift+Backtab", "Shift + Backtab");
    textRow("inner space kept", "Ctrl+Volume Up", "Ctrl + Volume Up");
    textRow("back forward", "Back Forward", "Back Forward");
    textRow("outer spaces go", "Ctrl+Q", "  Ctrl  +  Q ", ToCompact);
    textRow("spaces only", "", "   ", ToCompact);
    textRow("display enter twice", "Enter", "Enter2", ToCompact);
    textRow("compact into compact", "Ctrl+Return", "Ctrl+Return", ToCompact);
    textRow("display into display", "Enter", "Enter2", ToDisplay);
    textRow("meta modifier", "Meta+Return", "Meta+Enter", ToDisplay);
}

void TestKeyText::conversions()
{
    QFETCH(QString, compact);
    QFETCH(QString, display);
    QFETCH(int, ways);
    if (ways & ToDisplay)
        QCOMPARE(displayKeyText(compact), display);
    if (ways & ToCompact)
        QCOMPARE(compactKeyText(display), compact);
}

void TestKeyText::composition_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("compact");
    const int ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier, alt = Qt::AltModifier;
    const char *boss = "bosskey";
    keyRow("ctrl q", ctrl, Qt::Key_Q, "", "Ctrl+Q");
    keyRow("alt shift f5", (alt | shift), Qt::Key_F5, "", "Shift+Alt+F5");
    keyRow("all three", (alt | ctrl | shift), Qt::Key_A, "", "Ctrl+Shift+Alt+A");
    keyRow("keypad enter", int(Qt::KeypadModifier), Qt::Key_Enter, "", "Enter");
    keyRow("keypad digit", int(Qt::KeypadModifier), Qt::Key_5, "", "5");
    keyRow("page down", 0, Qt::Key_PageDown, "", "PgDown");
    keyRow("meta alone", int(Qt::MetaModifier), Qt::Key_Meta, "", "Meta");
    keyRow("ctrl meta", ctrl, Qt::Key_Meta, "", "Ctrl+Meta");
    keyRow("meta, group ignored", int(Qt::MetaModifier | Qt::GroupSwitchModifier), Qt::Key_Z, "",
           "Z");
    keyRow("ctrl alone stops", ctrl, Qt::Key_Control, "", "Ctrl+");
    keyRow("shift stops", (ctrl | shift), Qt::Key_Shift, "", "Ctrl+Shift+");
    keyRow("alt stops in boss", alt, Qt::Key_Alt, boss, "Alt+");
    keyRow("boss bare key", 0, Qt::Key_Q, boss, "Alt+Q");
    keyRow("boss bare space", 0, Qt::Key_Space, boss, "Ctrl+Alt+Space");
    keyRow("boss ctrl space", ctrl, Qt::Key_Space, boss, "Ctrl+Space");
    keyRow("boss plus key", 0, Qt::Key_Plus, boss, "+");
    keyRow("boss substring", 0, Qt::Key_Q, "xbosskey2", "Alt+Q");
    keyRow("boss case", 0, Qt::Key_Q, "BossKey", "Q");
}

void TestKeyText::composition()
{
    QFETCH(int, modifiers);
    QFETCH(int, key);
    QFETCH(QString, field);
    QFETCH(QString, compact);
    QCOMPARE(composeKeyText(Qt::KeyboardModifiers(modifiers), key, field), compact);
}

// Composed, shown and compacted again, every key this Qt names comes back; only Key_Back
// shares its display name with Backspace.
void TestKeyText::everyQtKeyNameRoundTrips_data()
{
    QTest::addColumn<int>("key");
    const QMetaEnum keys = QMetaEnum::fromType<Qt::Key>();
    for (int i = 0; i < keys.keyCount(); ++i) {
        if (!isModifierKey(keys.value(i)) && keys.value(i) != Qt::Key_Back
            && !QKeySequence(keys.value(i)).isEmpty())
            QTest::newRow(keys.key(i)) << keys.value(i);
    }
}

void TestKeyText::everyQtKeyNameRoundTrips()
{
    QFETCH(int, key);
    const QString compact = composeKeyText(Qt::ControlModifier, key, QString());
    QCOMPARE(compactKeyText(displayKeyText(compact)), compact);
}

QTEST_MAIN(TestKeyText)
#include "tst_keytext.moc"
