// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnlibtesting.h"
#include "tarnscreens_p.h"
#include <TarnUILib/TarnUILib.h>

#include <QtTest>
#include <QtWidgets>

using ScreenList = QVector<QRect>;

// The free helpers: scaling, the screen search, window owners and translation; and
// the object names that hosts' style sheets select on, for every widget of the library.
class tst_TarnUtils : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // "snap": getScaleFactor() at a display scale, gScale 3.0 never read; "font":
    // getFontFactor() and "path": adjusteResourcePath(":/i/:/x") at a gScale, with a decimal
    // comma in the default locale. 1.125 and 0.875 give font offsets of exactly +1.5 and -1.5,
    // which Qt rounds up.
    void scaleResultsAtThresholdsHalvesAndEveryPrefix_data()
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

    void scaleResultsAtThresholdsHalvesAndEveryPrefix()
    {
        QFETCH(QString, helper);
        QFETCH(double, scale);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        TarnLibTesting::setWinDpiScale(scale);
        gScale = helper == "snap" ? 3.0 : scale;
        QTEST(helper == "snap"       ? QString::number(getScaleFactor())
                  : helper == "font" ? QString::number(getFontFactor())
                                     : adjusteResourcePath(":/i/:/x"),
              "expected");
    }

    void screenSearchAtSharedEdges_data()
    {
        QTest::addColumn<ScreenList>("screens");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("expected");
        const ScreenList sideBySide { QRect(0, 0, 1920, 1080), QRect(1920, 0, 1920, 1080) };
        QTest::newRow("first pixel of the second") << sideBySide << QPoint(1920, 10) << 1;
        QTest::newRow("last pixel of the first") << sideBySide << QPoint(1919, 10) << 0;
        QTest::newRow("outside: the first listed")
            << ScreenList { sideBySide[1], sideBySide[0] } << QPoint(-50, -50) << 0;
        QTest::newRow("no screen") << ScreenList() << QPoint(0, 0) << -1;
    }

    void screenSearchAtSharedEdges()
    {
        QFETCH(ScreenList, screens);
        QFETCH(QPoint, point);
        QTEST(TarnUI::screenIndexAt(screens, point), "expected");
    }

    // owner: the widget built; count: how many of its children of that class carry the name.
    void styleSheetHooks_data()
    {
        QTest::addColumn<QString>("owner");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("count");
        const auto row = [](const char *owner, const char *className, const char *name, int n) {
            QTest::addRow("%s %s", owner, name) << owner << className << name << n;
        };
        row("dialog", "TarnTitleWidget", "frame-title-widget", 1);
        row("dialog", "QWidget", "frame-content-widget", 1);
        row("dialog", "QLabel", "titleLabel", 1);
        row("dialog", "QToolButton", "minimize-button", 1);
        row("dialog", "QToolButton", "maximize-button", 2);
        row("dialog", "QToolButton", "close-button", 1);
        row("box", "QLabel", "TarnLabelText_Regular_12", 2);
        row("box", "QCheckBox", "TarnChkbox", 1);
        row("box", "QPushButton", "greenColorSmall", 2);
        row("box", "QPushButton", "TarnSmallBtn", 1);
        row("address", "QLabel", "TarnLabelText_Regular_12", 3);
        row("page", "QLabel", "TarnLabelText_Regular_12", 11);
        row("page", "QCheckBox", "TarnChkbox", 11);
        row("page", "ShortCutEdit", "bosskey", 1);
        row("page", "QPushButton", "greenColor", 1);
        row("page", "QWidget", "TarnButtonsWidget", 1);
    }

    void styleSheetHooks()
    {
        QFETCH(QString, owner);
        QFETCH(QString, className);
        QFETCH(QString, name);
        TarnInterface facade;
        TarnMsgBox box("T", "M", nullptr);
        box.addLabel("L", false);
        box.addCheckbox("C", false);
        box.addButton("B", false);
        box.addButton("G", true);
        box.addButton("H", true); // two green and one plain: swapped names show
        TarnIpAddrEdit address;
        ShortCuts page(nullptr, &facade);
        TarnBaseDialog dialog(nullptr, QString(), 1);
        const QMap<QString, QWidget *> owners {
            { "dialog", &dialog }, { "box", &box }, { "address", &address }, { "page", &page }
        };
        const QList<QObject *> named = owners[owner]->findChildren<QObject *>(name);
        QTEST(int(std::count_if(named.begin(), named.end(),
                                [&](QObject *o) { return o->inherits(qPrintable(className)); })),
              "count");
    }

    // The links of a box's message: focus by Tab selects the first, by Shift+Tab the last,
    // by the mouse none.
    void linkFocusByTabFirstByBacktabLast_data()
    {
        QTest::addColumn<int>("reason");
        QTest::addColumn<QString>("selected");
        QTest::newRow("Tab") << int(Qt::TabFocusReason) << "A";
        QTest::newRow("Shift+Tab") << int(Qt::BacktabFocusReason) << "B";
        QTest::newRow("mouse") << int(Qt::MouseFocusReason) << "";
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
    }

    void rootDialogClimbsThroughWindowOwners()
    {
        QMainWindow mainWindow;
        auto *label = new QLabel(new QDialog(&mainWindow));
        QCOMPARE(rootDialog(label), &mainWindow);
        QCOMPARE(rootDialog(&mainWindow), &mainWindow);
    }

    void translationReplacesEarlierOne_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("english");
        QTest::newRow("en_GB falls back to en") << "en_GB" << true;
        QTest::newRow("zh_CN restores the sources") << "zh_CN" << false;
        QTest::newRow("unknown de_DE") << "de_DE" << false;
    }

    // Every row starts from an installed English translation, which the row's call must replace.
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
