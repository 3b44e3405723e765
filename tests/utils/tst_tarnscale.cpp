// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnlib.h"
#include "tarnscale.h"

#include <QLocale>
#include <QTest>

class tst_TarnScale : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // "snap": getScaleFactor() at a display scale, gScale 3.0 never read; "font":
    // getFontFactor() and "path": adjusteResourcePath(":/i/:/x") at a gScale, with a decimal
    // comma in the default locale. 1.125 and 0.875 give font offsets of exactly +1.5 and -1.5,
    // which Qt rounds up.
    void resultsAtThresholdsHalvesAndEveryPrefix_data()
    {
        QTest::addColumn<QString>("helper");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("1.0 stays") << "snap" << 1.0 << "1";
        QTest::newRow("just above 1.0") << "snap" << 1.0000001 << "1.25";
        QTest::newRow("just below 1.5") << "snap" << 1.4999999 << "1.25";
        QTest::newRow("1.5") << "snap" << 1.5 << "1.5";
        QTest::newRow("font +1.5 goes up") << "font" << 1.125 << "2";
        QTest::newRow("font -1.5 goes up") << "font" << 0.875 << "-1";
        QTest::newRow("1.0 has no decimals") << "path" << 1.0 << ":/1x/i/:/1x/x";
        QTest::newRow("every occurrence, six significant digits")
            << "path" << 1.3333333 << ":/1.33333x/i/:/1.33333x/x";
    }
    void resultsAtThresholdsHalvesAndEveryPrefix()
    {
        QFETCH(QString, helper);
        QFETCH(double, scale);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        setWinDpiScale(scale);
        gScale = helper == "snap" ? 3.0 : scale;
        QTEST(helper == "snap"       ? QString::number(getScaleFactor())
                  : helper == "font" ? QString::number(getFontFactor())
                                     : adjusteResourcePath(":/i/:/x"),
              "expected");
    }
};

QTEST_MAIN(tst_TarnScale)
#include "tst_tarnscale.moc"
