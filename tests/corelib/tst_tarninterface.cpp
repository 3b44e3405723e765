// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarninterface.h"
#include "tarnlib.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

using BoolGetter = bool (TarnInterface::*)();
using KeyGetter = const char *(TarnInterface::*)();
Q_DECLARE_METATYPE(BoolGetter)
Q_DECLARE_METATYPE(KeyGetter)

class tst_TarnInterface : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void testWinDpiScaleOverrideAndItsReset();
    void testLegacyGetters_data();
    void testLegacyGetters();
    void testLegacyGettersWithoutFile();

private:
    QTemporaryDir m_dir;
};

void tst_TarnInterface::init()
{
    QVERIFY(m_dir.isValid());
    setTarnConfigPath(m_dir.filePath(QStringLiteral("tarn.ini")));
}

void tst_TarnInterface::cleanup()
{
    QFile::remove(tarnConfigPath());
    setTarnConfigPath(QString());
    setWinDpiScale(std::numeric_limits<double>::quiet_NaN());
}

void tst_TarnInterface::testWinDpiScaleOverrideAndItsReset()
{
    const double screenScale = QGuiApplication::primaryScreen()->logicalDotsPerInch() / 96.0;
    QCOMPARE(winDpiScale(), screenScale);
    setWinDpiScale(1.5);
    QCOMPARE(winDpiScale(), 1.5);
    setWinDpiScale(std::numeric_limits<double>::quiet_NaN());
    QCOMPARE(winDpiScale(), screenScale);
    QCOMPARE(gScale, 1.0);
}

void tst_TarnInterface::testLegacyGetters_data()
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

void tst_TarnInterface::testLegacyGetters()
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

void tst_TarnInterface::testLegacyGettersWithoutFile()
{
    setTarnConfigPath(m_dir.filePath(QStringLiteral("missing/none.ini")));
    TarnInterface facade;
    QVERIFY(facade.getShortCutsShake());
    QCOMPARE(facade.getShortCutsShakeEdit(), nullptr);
}

QTEST_MAIN(tst_TarnInterface)
#include "tst_tarninterface.moc"
