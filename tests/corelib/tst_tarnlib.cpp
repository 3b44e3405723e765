// SPDX-License-Identifier: LGPL-2.1-or-later
#include "shortcutsmanager.h"
#include "tarninterface.h"
#include "tarnlib.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <limits>

using Index = ShortCutsManager::ShortCutIndex;
using BoolGetter = bool (TarnInterface::*)();
using KeyGetter = const char *(TarnInterface::*)();
Q_DECLARE_METATYPE(BoolGetter)
Q_DECLARE_METATYPE(KeyGetter)

// The stand-in core library: scale, the facade's older settings, and the shortcut manager.

class tst_TarnLib : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void testDefaultKeysReadTheSameInBothFormsAndNeverCollide();
    void testDisplayKeyStoredCompact_data();
    void testDisplayKeyStoredCompact();
    void testSavedConfigReadByNewInstance();
    void testSaveKeepsOtherGroupsAndLeavesNoTemporaryFile();
    void testKeyTextReadableBothWaysWithQSettings_data();
    void testKeyTextReadableBothWaysWithQSettings();
    void testUnusableFileGivesDefaults_data();
    void testUnusableFileGivesDefaults();
    void testMalformedLineCostsThatLineOnly_data();
    void testMalformedLineCostsThatLineOnly();
    void testFailedWriteIsReportedAndNothingMarkedStored();
    void testConflicts_data();
    void testConflicts();
    void testOwnKeyIsNoConflictForFocusedField();
    void testBadIndexIsRefused();
    void testWinDpiScaleOverrideAndItsReset();
    void testLegacyGetters_data();
    void testLegacyGetters();

private:
    QString writeConfig(const QByteArray &contents);
    QTemporaryDir m_dir;
};

void tst_TarnLib::init()
{
    QVERIFY(m_dir.isValid());
    setTarnConfigPath(m_dir.filePath(QStringLiteral("tarn.ini")));
    ShortCutsManager(); // reads a missing file: forgets what earlier tests wrote
}

void tst_TarnLib::cleanup()
{
    QDir(m_dir.path()).removeRecursively();
    QDir().mkpath(m_dir.path());
    setTarnConfigPath(QString());
    setWinDpiScale(std::numeric_limits<double>::quiet_NaN());
}

QString tst_TarnLib::writeConfig(const QByteArray &contents)
{
    QFile file(tarnConfigPath());
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(contents);
    return file.fileName();
}

void tst_TarnLib::testDefaultKeysReadTheSameInBothFormsAndNeverCollide()
{
    // The names that the display and compact forms spell differently must not appear,
    // or a default shown unchanged would be misread after compaction.
    const QStringList differing { QStringLiteral("Enter"), QStringLiteral("Return"),
                                  QStringLiteral("Cap"), QStringLiteral("PgD"),
                                  QStringLiteral("Back") };
    ShortCutsManager manager;
    QSet<QString> keys;
    for (int i = 0; i < ShortCutsManager::ActionCount; ++i) {
        const ShortCutsKey entry = manager.getShortCutsKey(Index(i));
        QVERIFY(!entry.name.isEmpty() && !entry.configName.isEmpty());
        for (const QString &name : differing)
            QVERIFY2(!entry.defaultKey.contains(name), qPrintable(entry.defaultKey));
        QCOMPARE(entry.key, QString(entry.defaultKey).remove(QLatin1Char(' ')));
        keys.insert(entry.key);
    }
    QCOMPARE(keys.size(), ShortCutsManager::ActionCount);
}

void tst_TarnLib::testDisplayKeyStoredCompact_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("compact");
    QTest::newRow("modifiers") << QStringLiteral("Ctrl + Shift + Alt + A") << "Ctrl+Shift+Alt+A";
    QTest::newRow("main Enter") << QStringLiteral("Enter") << "Return";
    QTest::newRow("keypad Enter") << QStringLiteral("Enter2") << "Enter";
    QTest::newRow("Caps Lock") << QStringLiteral("Ctrl + Cap") << "Ctrl+CapsLock";
    QTest::newRow("Backspace") << QStringLiteral("Alt + Back") << "Alt+Backspace";
    QTest::newRow("Backtab is a whole name")
        << QStringLiteral("Shift + Backtab") << "Shift+Backtab";
    QTest::newRow("plus key") << QStringLiteral("Ctrl + +") << "Ctrl++";
    QTest::newRow("inner space kept") << QStringLiteral("Ctrl + Volume Up") << "Ctrl+Volume Up";
    QTest::newRow("extra spaces") << QStringLiteral("  Ctrl  +  Q ") << "Ctrl+Q";
    QTest::newRow("empty") << QStringLiteral("") << "";
}

void tst_TarnLib::testDisplayKeyStoredCompact()
{
    QFETCH(QString, display);
    QFETCH(QString, compact);
    ShortCutsManager manager;
    manager.updateConfig(ShortCutsManager::Menu, display);
    QCOMPARE(manager.getShortCutsKey(ShortCutsManager::Menu).key, compact);
}

void tst_TarnLib::testSavedConfigReadByNewInstance()
{
    {
        ShortCutsManager manager;
        manager.updateConfig(ShortCutsManager::Screenshot, false, QStringLiteral("Ctrl+Shift+S"));
        manager.updateConfig(ShortCutsManager::Menu, QStringLiteral("Enter"));
        manager.saveConfig(ShortCutsManager::Screenshot);
        QVERIFY(!ShortCutsManager().getShortCutsKey(ShortCutsManager::Menu).keyStored);
        manager.saveAllConfigs();
    }
    ShortCutsManager reader;
    const ShortCutsKey screenshot = reader.getShortCutsKey(ShortCutsManager::Screenshot);
    QCOMPARE(screenshot.key, QStringLiteral("Ctrl+Shift+S"));
    QVERIFY(!screenshot.enabled);
    QVERIFY(screenshot.enabledStored);
    QVERIFY(screenshot.keyStored);
    QCOMPARE(reader.getShortCutsKey(ShortCutsManager::Menu).key, QStringLiteral("Return"));
}

void tst_TarnLib::testSaveKeepsOtherGroupsAndLeavesNoTemporaryFile()
{
    QVERIFY(!writeConfig("[Legacy]\nShakeEdit=Ctrl+1\n").isEmpty());
    ShortCutsManager manager;
    manager.saveAllConfigs();
    manager.saveConfig(ShortCutsManager::Menu);
    QSettings settings(tarnConfigPath(), QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("Legacy/ShakeEdit")).toString(),
             QStringLiteral("Ctrl+1"));
    const QStringList files = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(files, QStringList { QStringLiteral("tarn.ini") });
}

void tst_TarnLib::testUnusableFileGivesDefaults_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("isFolder");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("wrong types") << QByteArray(
        "[ShortCuts]\nMenu\\Enabled=banana\nMenu\\Key=@Variant(\\0\\0\\0\\x7f)\n")
                                 << false;
    QTest::newRow("a folder in the way, nothing read before") << QByteArray() << true;
}

void tst_TarnLib::testUnusableFileGivesDefaults()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, isFolder);
    if (isFolder)
        QVERIFY(QDir().mkpath(tarnConfigPath()));
    else if (!contents.isNull())
        QVERIFY(!writeConfig(contents).isEmpty());
    ShortCutsManager manager;
    const ShortCutsKey menu = manager.getShortCutsKey(ShortCutsManager::Menu);
    QCOMPARE(menu.key, QStringLiteral("Ctrl+Alt+M"));
    QVERIFY(menu.enabled);
    QVERIFY(!menu.enabledStored);
    QVERIFY(!menu.keyStored);
    manager.saveAllConfigs(); // must not crash either
    TarnInterface facade; // nor do the older settings
    QVERIFY(facade.getShortCutsShake());
    QCOMPARE(facade.getShortCutsShakeEdit(), nullptr);
}

void tst_TarnLib::testKeyTextReadableBothWaysWithQSettings_data()
{
    QTest::addColumn<QString>("key");
    QTest::newRow("cleared, not the default") << QString();
    QTest::newRow("comma is quoted") << QStringLiteral("Ctrl+,");
    QTest::newRow("semicolon is quoted") << QStringLiteral("Ctrl+;");
    QTest::newRow("inner space") << QStringLiteral("Ctrl+Volume Up");
    QTest::newRow("outer spaces") << QStringLiteral(" Q ");
    QTest::newRow("at sign first") << QStringLiteral("@Variant(x)");
    QTest::newRow("quote and backslash") << QStringLiteral("\"\\");
    QTest::newRow("non-ASCII") << QStringLiteral("Ctrl+Ä€");
    QTest::newRow("control char then hex digit") << QStringLiteral("\x01"
                                                                   "A");
}

// The file stays one QSettings reads and writes.
void tst_TarnLib::testKeyTextReadableBothWaysWithQSettings()
{
    QFETCH(QString, key);
    ShortCutsManager manager;
    manager.updateConfig(ShortCutsManager::Menu, true, key);
    QVERIFY(manager.saveConfig(ShortCutsManager::Menu));
    {
        QSettings settings(tarnConfigPath(), QSettings::IniFormat);
        QCOMPARE(settings.value(QStringLiteral("ShortCuts/Menu/Key")).toString(), key);
        settings.setValue(QStringLiteral("ShortCuts/Back/Key"), key);
    }
    ShortCutsManager reader;
    QCOMPARE(reader.getShortCutsKey(ShortCutsManager::Back).key, key);
    QCOMPARE(reader.getShortCutsKey(ShortCutsManager::Menu).key, key);
}

void tst_TarnLib::testMalformedLineCostsThatLineOnly_data()
{
    QTest::addColumn<QByteArray>("contents");
    const QByteArray good = "[ShortCuts]\nScreenshot\\Enabled=false\n";
    const QByteArray key = "Screenshot\\Key=Ctrl+Alt+Y\n";
    QTest::newRow("header without ]") << good + key + "[Other\nx=1\n";
    QTest::newRow("line without =") << good + "garbage\n" + key;
    QTest::newRow("NUL byte") << good + QByteArray("Menu\\Key=F\0007\n", 13) + key;
    QTest::newRow("quote left open") << good + "Menu\\Key=\"F7\n" + key;
    QTest::newRow("empty key") << good + "=F7\n" + key;
}

// The readable lines are the user's; the file as it was is kept once, before the first
// write over it.
void tst_TarnLib::testMalformedLineCostsThatLineOnly()
{
    QFETCH(QByteArray, contents);
    QVERIFY(!writeConfig(contents).isEmpty());
    ShortCutsManager manager;
    QSignalSpy failed(&manager, &ShortCutsManager::storageFailed);
    QVERIFY(!manager.loadShortCutsKey());
    QCOMPARE(failed.count(), 1);
    const ShortCutsKey shot = manager.getShortCutsKey(ShortCutsManager::Screenshot);
    QCOMPARE(shot.key, QStringLiteral("Ctrl+Alt+Y"));
    QVERIFY(!shot.enabled && shot.enabledStored && shot.keyStored);
    QVERIFY(!manager.getShortCutsKey(ShortCutsManager::Menu).keyStored);
    QVERIFY(manager.saveConfig(ShortCutsManager::Menu));
    QVERIFY(manager.saveAllConfigs());
    QFile backup(tarnConfigPath() + QStringLiteral(".bak"));
    QVERIFY(backup.open(QIODevice::ReadOnly));
    QCOMPARE(backup.readAll(), contents);
    QSettings settings(tarnConfigPath(), QSettings::IniFormat);
    QCOMPARE(settings.status(), QSettings::NoError);
    QCOMPARE(settings.value(QStringLiteral("ShortCuts/Screenshot/Key")).toString(),
             QStringLiteral("Ctrl+Alt+Y"));
    QVERIFY(ShortCutsManager().loadShortCutsKey());
}

// The folder of the file is a file, so even root cannot write.
void tst_TarnLib::testFailedWriteIsReportedAndNothingMarkedStored()
{
    QVERIFY(!writeConfig("").isEmpty());
    setTarnConfigPath(tarnConfigPath() + QStringLiteral("/tarn.ini"));
    ShortCutsManager manager;
    QSignalSpy failed(&manager, &ShortCutsManager::storageFailed);
    manager.updateConfig(ShortCutsManager::Menu, true, QStringLiteral("F7"));
    QVERIFY(!manager.saveConfig(ShortCutsManager::Menu));
    QVERIFY(!manager.saveAllConfigs());
    QCOMPARE(failed.count(), 2);
    const ShortCutsKey menu = manager.getShortCutsKey(ShortCutsManager::Menu);
    QCOMPARE(menu.key, QStringLiteral("F7"));
    QVERIFY(!menu.keyStored && !menu.enabledStored);
}

void tst_TarnLib::testConflicts_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<bool>("taken");
    QTest::newRow("default of Zoom in") << "Ctrl + Alt + Up" << true;
    QTest::newRow("unsaved new key of Screenshot") << "Ctrl + Alt + Y" << true;
    QTest::newRow("Screenshot's old key is free") << "Ctrl + Alt + P" << false;
    QTest::newRow("free combination") << "Ctrl + Alt + W" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("main Enter vs stored keypad Enter") << "Enter" << false;
    QTest::newRow("keypad Enter stored") << "Enter2" << true;
}

void tst_TarnLib::testConflicts()
{
    QFETCH(QString, display);
    QFETCH(bool, taken);
    ShortCutsManager manager;
    manager.updateConfig(ShortCutsManager::Menu, true, QStringLiteral("Enter"));
    manager.updateConfig(ShortCutsManager::Screenshot, QStringLiteral("Ctrl + Alt + Y"));
    QCOMPARE(manager.checkConflicts(display), taken);
}

void tst_TarnLib::testOwnKeyIsNoConflictForFocusedField()
{
    ShortCutsManager manager;
    QWindow field;
    field.setProperty("ShortCutIndex", int(ShortCutsManager::Screenshot));
    field.show();
    field.requestActivate();
    QTRY_COMPARE(QGuiApplication::focusObject(), &field);
    QVERIFY(!manager.checkConflicts(QStringLiteral("Ctrl + Alt + P")));
    QVERIFY(manager.checkConflicts(QStringLiteral("Ctrl + Alt + M")));
}

void tst_TarnLib::testBadIndexIsRefused()
{
    ShortCutsManager manager;
    const Index bad = Index(ShortCutsManager::ActionCount);
    QVERIFY(manager.getShortCutsKey(bad).name.isEmpty());
    QVERIFY(manager.getShortCutsKey(Index(-1)).configName.isEmpty());
    QVERIFY(!manager.updateConfig(bad, QStringLiteral("F1")));
    manager.updateConfig(Index(-1), true, QStringLiteral("F1"));
    manager.saveConfig(bad);
    QVERIFY(!QFile::exists(tarnConfigPath()));
    QVERIFY(!manager.checkConflicts(QStringLiteral("F1")));
}

void tst_TarnLib::testWinDpiScaleOverrideAndItsReset()
{
    const double screenScale = QGuiApplication::primaryScreen()->logicalDotsPerInch() / 96.0;
    QCOMPARE(winDpiScale(), screenScale);
    setWinDpiScale(1.5);
    QCOMPARE(winDpiScale(), 1.5);
    setWinDpiScale(std::numeric_limits<double>::quiet_NaN());
    QCOMPARE(winDpiScale(), screenScale);
    QCOMPARE(gScale, 1.0);
}

void tst_TarnLib::testLegacyGetters_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<BoolGetter>("enabledGetter");
    QTest::addColumn<KeyGetter>("keyGetter");
    // One row per getter pair; the names must match the settings keys exactly.
#define LEGACY_ROW(name)                                                                           \
    QTest::newRow(#name) << QStringLiteral(#name) << &TarnInterface::getShortCuts##name            \
                         << &TarnInterface::getShortCuts##name##Edit
    LEGACY_ROW(BossKey);
    LEGACY_ROW(KeyMap);
    LEGACY_ROW(ZoomIn);
    LEGACY_ROW(ZoomOut);
    LEGACY_ROW(HomeKey);
    LEGACY_ROW(Shake);
    LEGACY_ROW(Screenshot);
#undef LEGACY_ROW
}

void tst_TarnLib::testLegacyGetters()
{
    QFETCH(QString, name);
    QFETCH(BoolGetter, enabledGetter);
    QFETCH(KeyGetter, keyGetter);
    TarnInterface facade;
    QVERIFY((facade.*enabledGetter)());
    QCOMPARE((facade.*keyGetter)(), nullptr);
    {
        QSettings settings(tarnConfigPath(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Legacy/") + name, false);
        settings.setValue(QStringLiteral("Legacy/%1Edit").arg(name), QStringLiteral("Ctrl+Ä"));
    }
    QVERIFY(!(facade.*enabledGetter)());
    QCOMPARE(QString::fromUtf8((facade.*keyGetter)()), QStringLiteral("Ctrl+Ä"));
}

QTEST_MAIN(tst_TarnLib)
#include "tst_tarnlib.moc"
