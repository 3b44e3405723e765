// SPDX-License-Identifier: LGPL-2.1-or-later
#include "shortcutsmanager.h"
#include "tarnlib.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

using Index = ShortCutsManager::ShortCutIndex;

class tst_ShortCutsManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void testDefaultKeysReadTheSameInBothFormsAndNeverCollide();
    void testCompactKey_data();
    void testCompactKey();
    void testSavedConfigReadByNewInstance();
    void testSaveKeepsOtherGroupsAndLeavesNoTemporaryFile();
    void testUnusableFileGivesDefaults_data();
    void testUnusableFileGivesDefaults();
    void testConflicts_data();
    void testConflicts();
    void testOwnKeyIsNoConflictForFocusedField();
    void testBadIndexIsRefused();

private:
    QString writeConfig(const QByteArray &contents);
    QTemporaryDir m_dir;
};

void tst_ShortCutsManager::init()
{
    QVERIFY(m_dir.isValid());
    setTarnConfigPath(m_dir.filePath(QStringLiteral("tarn.ini")));
}

void tst_ShortCutsManager::cleanup()
{
    QDir(m_dir.path()).removeRecursively();
    QDir().mkpath(m_dir.path());
    setTarnConfigPath(QString());
}

QString tst_ShortCutsManager::writeConfig(const QByteArray &contents)
{
    QFile file(tarnConfigPath());
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(contents);
    return file.fileName();
}

void tst_ShortCutsManager::testDefaultKeysReadTheSameInBothFormsAndNeverCollide()
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

void tst_ShortCutsManager::testCompactKey_data()
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
    QTest::newRow("extra spaces") << QStringLiteral("  Ctrl  +  Q ") << "Ctrl+Q";
    QTest::newRow("empty") << QStringLiteral("") << "";
}

void tst_ShortCutsManager::testCompactKey()
{
    QFETCH(QString, display);
    QFETCH(QString, compact);
    QCOMPARE(ShortCutsManager::compactKey(display), compact);
}

void tst_ShortCutsManager::testSavedConfigReadByNewInstance()
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

void tst_ShortCutsManager::testSaveKeepsOtherGroupsAndLeavesNoTemporaryFile()
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

void tst_ShortCutsManager::testUnusableFileGivesDefaults_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("isFolder");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("empty") << QByteArray("") << false;
    QTest::newRow("binary garbage") << QByteArray("\x00\xff\xfe[[[\n=\x01\x02", 10) << false;
    QTest::newRow("wrong types") << QByteArray(
        "[ShortCuts]\nMenu\\Enabled=banana\nMenu\\Key=@Variant(\\0\\0\\0\\x7f)\n")
                                 << false;
    QTest::newRow("a folder in the way") << QByteArray() << true;
}

void tst_ShortCutsManager::testUnusableFileGivesDefaults()
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
}

void tst_ShortCutsManager::testConflicts_data()
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

void tst_ShortCutsManager::testConflicts()
{
    QFETCH(QString, display);
    QFETCH(bool, taken);
    ShortCutsManager manager;
    manager.updateConfig(ShortCutsManager::Menu, true, QStringLiteral("Enter"));
    manager.updateConfig(ShortCutsManager::Screenshot, QStringLiteral("Ctrl + Alt + Y"));
    QCOMPARE(manager.checkConflicts(display), taken);
}

void tst_ShortCutsManager::testOwnKeyIsNoConflictForFocusedField()
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

void tst_ShortCutsManager::testBadIndexIsRefused()
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

QTEST_MAIN(tst_ShortCutsManager)
#include "tst_shortcutsmanager.moc"
