// SPDX-License-Identifier: LGPL-2.1-or-later
#include "shortcutsmanager.h"
#include "tarninterface.h"
#include "tarnlib.h"

#include <QDir>
#include <QGuiApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

// The stand-in core library: the shortcut manager's storage and conflicts, the facade's
// older settings.
class tst_TarnLib : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        setTarnConfigPath(m_dir.filePath(QStringLiteral("tarn.ini")));
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
        QFile file(tarnConfigPath());
        QVERIFY(contents.isNull() ? QDir().mkpath(tarnConfigPath())
                                  : file.open(QIODevice::WriteOnly));
        file.write(contents);
        file.close();
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
