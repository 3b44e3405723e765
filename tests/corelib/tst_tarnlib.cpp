// SPDX-License-Identifier: LGPL-2.1-or-later
#include "shortcutsmanager.h"
#include "tarninterface.h"
#include "tarnlib.h"

#include <QDir>
#include <QGuiApplication>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

// The stand-in core library: the shortcut manager's storage and conflicts, the facade's
// older settings.
class tst_TarnLib : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    static bool writeConfig(const QByteArray &contents)
    {
        QFile file(tarnConfigPath());
        return file.open(QIODevice::WriteOnly) && file.write(contents) >= 0;
    }

private Q_SLOTS:
    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        setTarnConfigPath(m_dir.filePath(QStringLiteral("tarn.ini")));
        ShortCutsManager(); // reads a missing file: forgets what earlier tests wrote
    }

    void savedConfigReadByNewInstanceOtherGroupsKept()
    {
        QSettings(tarnConfigPath(), QSettings::IniFormat).setValue("Legacy/ShakeEdit", "Ctrl+1");
        {
            ShortCutsManager manager;
            manager.updateConfig(ShortCutsManager::Screenshot, false, "Ctrl+Shift+S");
            manager.updateConfig(ShortCutsManager::Menu, "Enter");
            manager.saveConfig(ShortCutsManager::Screenshot);
            QVERIFY(!ShortCutsManager().getShortCutsKey(ShortCutsManager::Menu).keyStored);
            manager.saveAllConfigs();
        }
        const ShortCutsKey shot = ShortCutsManager().getShortCutsKey(ShortCutsManager::Screenshot);
        QCOMPARE(shot.key, QStringLiteral("Ctrl+Shift+S"));
        QVERIFY(!shot.enabled && shot.enabledStored && shot.keyStored);
        QCOMPARE(ShortCutsManager().getShortCutsKey(ShortCutsManager::Menu).key, "Return");
        QCOMPARE(TarnInterface().getShortCutsShakeEdit(), QByteArray("Ctrl+1"));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), { "tarn.ini" });
    }

    void testDisplayKeyStoredCompact()
    {
        ShortCutsManager manager;
        for (const char *row : { "Shift + Backtab=Shift+Backtab", "Ctrl + +=Ctrl++",
                                 "Ctrl + Volume Up=Ctrl+Volume Up", "  Ctrl  +  Q =Ctrl+Q" }) {
            manager.updateConfig(ShortCutsManager::Menu, QString(row).section('=', 0, 0));
            QCOMPARE(manager.getShortCutsKey(ShortCutsManager::Menu).key,
                     QString(row).section('=', 1));
        }
    }

    void testKeyTextReadableBothWaysWithQSettings_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("cleared, not the default") << QString();
        QTest::newRow("comma is quoted") << QStringLiteral("Ctrl+,");
        QTest::newRow("inner space") << QStringLiteral("Ctrl+Volume Up");
        QTest::newRow("outer spaces") << QStringLiteral(" Q ");
        QTest::newRow("at sign first") << QStringLiteral("@Variant(x)");
        QTest::newRow("quote and backslash") << QStringLiteral("\"\\");
        QTest::newRow("non-ASCII") << QStringLiteral("Ctrl+Ä€");
        QTest::newRow("control char then hex digit") << QStringLiteral("\x01"
                                                                       "A");
    }

    // The file stays one QSettings reads and writes.
    void testKeyTextReadableBothWaysWithQSettings()
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

    void testMalformedLineCostsThatLineOnly_data()
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
    void testMalformedLineCostsThatLineOnly()
    {
        QFETCH(QByteArray, contents);
        QVERIFY(writeConfig(contents));
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
    void testFailedWriteIsReportedAndNothingMarkedStored()
    {
        writeConfig("");
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

    void unusableFileGivesDefaults_data()
    {
        QTest::addColumn<QByteArray>("contents"); // null: a folder in the way
        QTest::newRow("binary garbage") << QByteArray("\x00\xff\xfe[[[\n=\x01\x02", 10);
        QTest::newRow("wrong types") << QByteArray(
            "[ShortCuts]\nMenu\\Enabled=banana\nMenu\\Key=@Variant(\\0\\0\\0\\x7f)\n");
        QTest::newRow("a folder in the way") << QByteArray();
    }

    void unusableFileGivesDefaults()
    {
        QFETCH(QByteArray, contents);
        QVERIFY(contents.isNull() ? QDir().mkpath(tarnConfigPath()) : writeConfig(contents));
        ShortCutsManager manager;
        const ShortCutsKey menu = manager.getShortCutsKey(ShortCutsManager::Menu);
        QCOMPARE(menu.key, QStringLiteral("Ctrl+Alt+M"));
        QVERIFY(menu.enabled && !menu.enabledStored && !menu.keyStored);
        manager.saveAllConfigs(); // must not crash, nor the older settings
        QVERIFY(TarnInterface().getShortCutsShake());
    }

    // Taken: the unsaved key of another action; free: the focused field's own key.
    void conflictsSkipTheFocusedField()
    {
        ShortCutsManager manager;
        manager.updateConfig(ShortCutsManager::Menu, QStringLiteral("Ctrl + Alt + Y"));
        QWindow field;
        field.setProperty("ShortCutIndex", int(ShortCutsManager::Screenshot));
        field.show();
        field.requestActivate();
        QTRY_COMPARE(QGuiApplication::focusObject(), &field);
        QVERIFY(manager.checkConflicts(QStringLiteral("Ctrl + Alt + Y")));
        QVERIFY(!manager.checkConflicts(QStringLiteral("Ctrl + Alt + P")));
        QVERIFY(!manager.checkConflicts(QStringLiteral("Ctrl + Alt + M")));
    }
};

QTEST_MAIN(tst_TarnLib)
#include "tst_tarnlib.moc"
