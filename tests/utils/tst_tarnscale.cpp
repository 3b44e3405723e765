// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnlib.h"
#include "tarnscale.h"

#include <QLocale>
#include <QTest>

#include <limits>

class tst_TarnScale : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void testScaleFactorSnapsAtThresholds_data();
    void testScaleFactorSnapsAtThresholds();
    void testFontFactorRoundsHalvesUp_data();
    void testFontFactorRoundsHalvesUp();
    void testResourcePathWhateverTheLocale_data();
    void testResourcePathWhateverTheLocale();
};

void tst_TarnScale::cleanup()
{
    gScale = 1.0;
    setWinDpiScale(std::numeric_limits<double>::quiet_NaN());
    QLocale::setDefault(QLocale::c());
}

void tst_TarnScale::testScaleFactorSnapsAtThresholds_data()
{
    QTest::addColumn<double>("dpiScale");
    QTest::addColumn<double>("expected");
    QTest::newRow("1.0 stays") << 1.0 << 1.0;
    QTest::newRow("just above 1.0") << 1.0000001 << 1.25;
    QTest::newRow("1.4") << 1.4 << 1.25;
    QTest::newRow("just below 1.5") << 1.4999999 << 1.25;
    QTest::newRow("1.5") << 1.5 << 1.5;
    QTest::newRow("2.0") << 2.0 << 1.5;
    QTest::newRow("0.8") << 0.8 << 1.0;
}

void tst_TarnScale::testScaleFactorSnapsAtThresholds()
{
    QFETCH(double, dpiScale);
    QFETCH(double, expected);
    setWinDpiScale(dpiScale);
    gScale = 3.0; // must not be read
    QCOMPARE(getScaleFactor(), expected);
}

void tst_TarnScale::testFontFactorRoundsHalvesUp_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("expected");
    QTest::newRow("1.0") << 1.0 << 0;
    QTest::newRow("1.25") << 1.25 << 3;
    QTest::newRow("0.9") << 0.9 << -1;
    // 1.125 and 0.875 give exactly +1.5 and -1.5; Qt rounds halves toward +infinity.
    QTest::newRow("+1.5 goes up") << 1.125 << 2;
    QTest::newRow("-1.5 goes up") << 0.875 << -1;
    QTest::newRow("-4.5 goes up") << 0.625 << -4;
}

void tst_TarnScale::testFontFactorRoundsHalvesUp()
{
    QFETCH(double, scale);
    QFETCH(int, expected);
    gScale = scale;
    QCOMPARE(getFontFactor(), expected);
}

void tst_TarnScale::testResourcePathWhateverTheLocale_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("1.5") << 1.5 << ":/logo.png" << QStringLiteral(":/1.5x/logo.png");
    QTest::newRow("1.0 has no decimals") << 1.0 << ":/logo.png" << QStringLiteral(":/1x/logo.png");
    QTest::newRow("every occurrence")
        << 1.75 << ":/img/:/x.png" << QStringLiteral(":/1.75x/img/:/1.75x/x.png");
    QTest::newRow("inserted text not rescanned") << 1.0 << ":/:/" << QStringLiteral(":/1x/:/1x/");
    QTest::newRow("six significant digits") << 1.3333333 << ":/a" << QStringLiteral(":/1.33333x/a");
    QTest::newRow("no prefix") << 1.5 << "logo.png" << QStringLiteral("logo.png");
    QTest::newRow("prefix inside a URL")
        << 1.5 << "qrc:/a.png" << QStringLiteral("qrc:/1.5x/a.png");
}

void tst_TarnScale::testResourcePathWhateverTheLocale()
{
    QFETCH(double, scale);
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); // decimal comma
    gScale = scale;
    QCOMPARE(adjusteResourcePath(path), expected);
}

QTEST_MAIN(tst_TarnScale)
#include "tst_tarnscale.moc"
