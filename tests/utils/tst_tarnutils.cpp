// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarndpiscale_p.h"
#include <TarnUILib/TarnUILib.h>

#include <QtTest>
#include <QtWidgets>

#ifndef Q_OS_WIN
// Stands in for the core library's own: on ELF platforms the program's definition comes first,
// so a row can set the display scale.
static double displayScale = 1.0;
double winDpiScale()
{
    return displayScale;
}
#endif

// The free helpers: scaling, the screen search, link focus, window owners and translation.
class tst_TarnUtils : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // "step": the core library's display scale of a logical DPI; "snap": getScaleFactor() at a
    // display scale, gScale 3.0 never read; "font":
    // getFontFactor() and "path": adjusteResourcePath(":/i/:/x") at a gScale, with a decimal
    // comma in the default locale. 1.125 and 0.875 give font offsets of exactly +1.5 and -1.5,
    // which Qt rounds up.
    void scaleResultsAtThresholdsHalvesAndEveryPrefix_data()
    {
        QTest::addColumn<QString>("helper");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("96 dpi") << "step" << 96.0 << "1";
        QTest::newRow("100 dpi, an ordinary screen") << "step" << 100.0 << "1";
        QTest::newRow("120 dpi") << "step" << 120.0 << "1.25";
        QTest::newRow("144 dpi") << "step" << 144.0 << "1.5";
        QTest::newRow("1.0 stays") << "snap" << 1.0 << "1";
        QTest::newRow("just above 1.0") << "snap" << 1.0000001 << "1.25";
        QTest::newRow("just below 1.5") << "snap" << 1.4999999 << "1.25";
        QTest::newRow("1.5") << "snap" << 1.5 << "1.5";
        QTest::newRow("font +1.5 goes up") << "font" << 1.125 << "2";
        QTest::newRow("font -1.5 goes up") << "font" << 0.875 << "-1";
        QTest::newRow("1.0 has no decimals") << "path" << 1.0 << ":/1x/i/:/1x/x";
        QTest::newRow("each one, 6 digits") << "path" << 1.3333333 << ":/1.33333x/i/:/1.33333x/x";
    }

    void scaleResultsAtThresholdsHalvesAndEveryPrefix()
    {
        QFETCH(QString, helper);
        QFETCH(double, scale);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
#ifdef Q_OS_WIN
        if (helper == "snap")
            return; // a DLL's imports cannot be stood in for
#else
        displayScale = scale;
#endif
        gScale = helper == "snap" ? 3.0 : scale;
        QTEST(helper == "step"       ? QString::number(TarnCore::dpiScale(scale))
                  : helper == "snap" ? QString::number(getScaleFactor())
                  : helper == "font" ? QString::number(getFontFactor())
                                     : adjusteResourcePath(":/i/:/x"),
              "expected");
    }

    // The links of a box's message: focus by Tab selects the first, by Shift+Tab the last,
    // by the mouse none.
    void linkFocusByTabFirstByBacktabLast_data()
    {
        QTest::addColumn<int>("reason");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("next"); // after one more Tab, the label's own
        QTest::newRow("Tab") << int(Qt::TabFocusReason) << "A" << QString("B");
        QTest::newRow("Shift+Tab") << int(Qt::BacktabFocusReason) << "B" << QString();
        QTest::newRow("mouse") << int(Qt::MouseFocusReason) << "" << QString("A");
    }

    void linkFocusByTabFirstByBacktabLast()
    {
        QFETCH(int, reason);
        TarnMsgBox box("T", "<a href=\"tarn:a\">A</a> <a href=\"tarn:b\">B</a>", nullptr);
        box.show();
        QApplication::setActiveWindow(&box);
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QLabel *label = nullptr;
        for (QLabel *each : box.findChildren<QLabel *>())
            label = each->text().contains("tarn:") ? each : label;
        QVERIFY(label);
        label->clearFocus();
        label->setFocus(Qt::FocusReason(reason));
        QTEST(label->selectedText(), "selected");
        QTest::keyClick(label, Qt::Key_Tab);
        QTEST(label->selectedText(), "next");
    }

    // One language rule: Chinese reads the sources, every other locale English, C and POSIX
    // included; each call replaces the translation installed before it (English here).
    void translationReplacesEarlierOne_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("english");
        QTest::newRow("zh_CN restores the sources") << "zh_CN" << false;
        QTest::newRow("de_DE, without a translation") << "de_DE" << true;
        QTest::newRow("C") << "C" << true;
        QTest::newRow("POSIX") << "POSIX" << true;
    }
    void translationReplacesEarlierOne()
    {
        QFETCH(QString, locale);
        QFETCH(bool, english);
        QVERIFY(loadTarnUILibTranslation(QLocale(QStringLiteral("en"))));
        QCOMPARE(loadTarnUILibTranslation(QLocale(locale)), english);
        TarnBaseDialog dialog(nullptr, QString(), 0);
        QCOMPARE(dialog.findChild<QToolButton *>(QStringLiteral("close-button"))->toolTip(),
                 english ? "Close" : "关闭");
    }
};

QTEST_MAIN(tst_TarnUtils)
#include "tst_tarnutils.moc"
