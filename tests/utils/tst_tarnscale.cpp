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
    void cleanup()
    {
        gScale = 1.0;
        setWinDpiScale(std::numeric_limits<double>::quiet_NaN());
    }

    // gScale set to 3.0 must not be read.
    void scaleFactorSnapsAtThresholds_data()
    {
        QTest::addColumn<double>("dpiScale");
        QTest::addColumn<double>("expected");
        QTest::newRow("1.0 stays") << 1.0 << 1.0;
        QTest::newRow("just above 1.0") << 1.0000001 << 1.25;
        QTest::newRow("just below 1.5") << 1.4999999 << 1.25;
        QTest::newRow("1.5") << 1.5 << 1.5;
        QTest::newRow("0.8") << 0.8 << 1.0;
    }
    void scaleFactorSnapsAtThresholds()
    {
        QFETCH(double, dpiScale);
        setWinDpiScale(dpiScale);
        gScale = 3.0;
        QTEST(getScaleFactor(), "expected");
    }

    // 1.125 and 0.875 give exactly +1.5 and -1.5; Qt rounds halves toward +infinity.
    void fontFactorRoundsHalvesUp_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("expected");
        QTest::newRow("1.25") << 1.25 << 3;
        QTest::newRow("0.9") << 0.9 << -1;
        QTest::newRow("+1.5 goes up") << 1.125 << 2;
        QTest::newRow("-1.5 goes up") << 0.875 << -1;
    }
    void fontFactorRoundsHalvesUp()
    {
        QFETCH(double, scale);
        gScale = scale;
        QTEST(getFontFactor(), "expected");
    }

    // With a decimal comma in the default locale.
    void resourcePathWhateverTheLocale_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("1.0 has no decimals") << 1.0 << ":/logo.png"
                                             << ":/1x/logo.png";
        QTest::newRow("every occurrence") << 1.75 << ":/img/:/x.png"
                                          << ":/1.75x/img/:/1.75x/x.png";
        QTest::newRow("six significant digits") << 1.3333333 << ":/a"
                                                << ":/1.33333x/a";
        QTest::newRow("no prefix") << 1.5 << "logo.png"
                                   << "logo.png";
    }
    void resourcePathWhateverTheLocale()
    {
        QFETCH(double, scale);
        QFETCH(QString, path);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        gScale = scale;
        QTEST(adjusteResourcePath(path), "expected");
    }
};

QTEST_MAIN(tst_TarnScale)
#include "tst_tarnscale.moc"
