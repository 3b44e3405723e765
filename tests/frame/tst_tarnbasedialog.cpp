// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnbasedialog.h"
#include "tarnlib.h"
#include "tarntitlewidget.h"

#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

namespace {
// (100, 100) 400 x 300 with a minimum size of 200 x 150, allowed to maximise.
class Dialog : public TarnBaseDialog
{
public:
    explicit Dialog(int border = 0, bool resizable = true)
        : TarnBaseDialog(nullptr, QString(), border)
    {
        setWindowResizeEnabled(resizable);
        setMinimumSize(200, 150);
        setGeometry(100, 100, 400, 300);
        m_maximizeEnabled = true;
    }
    using TarnBaseDialog::m_fullScreen, TarnBaseDialog::m_restoreButton;
    using TarnBaseDialog::m_titleItems, TarnBaseDialog::m_titleItemsLayout;
};

// The frame as first painted: each ring stroked as a rectangle with a 1-pixel pen.
class StrokedDialog : public Dialog
{
public:
    using Dialog::Dialog;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        painter.setPen(QPen(QColor(0, 16, 13, 255), 1));
        for (int i = 0; i < m_borderWidth; ++i)
            painter.drawRect(i, i, width() - 1 - 2 * i, height() - 1 - 2 * i);
        painter.end();
        QDialog::paintEvent(event);
    }
};

// A table row whose only column, "c", holds the whole case.
template<typename Case>
void row(const char *name, const Case &c)
{
    QTest::newRow(name) << c;
}

struct RectCase
{
    double scale;
    int border, code;
    QPoint travel;
    QRect result;
};

struct HitCase
{
    int border;
    QPoint pos;
    int code;
    QList<int> directions = { 10, 11, 12, 15, 13, 14, 16, 17 };
    bool resizable = true, fullScreen = false;
};

struct MouseCase
{
    bool maximised;
    QPoint press, to = {}; // to null: a double click at press
    QRect result;
    QList<QVariantList> titleDrags = {};
    int border = 2;
};
} // namespace

Q_DECLARE_METATYPE(RectCase)
Q_DECLARE_METATYPE(HitCase)
Q_DECLARE_METATYPE(MouseCase)

class TestTarnBaseDialog : public QObject
{
    Q_OBJECT

private slots:
    void init() { gScale = 1.0; }

    void titleItemsAfterDoublesAndStrangers_data()
    {
        // b is inserted after close, then at the front (b min max res close b); c is not listed.
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("items");
        QTest::newRow("after a double") << "b" << QStringLiteral("b a min max res close b a");
        QTest::newRow("after a stranger") << "c" << QStringLiteral("b min max res close b");
    }

    void titleItemsAfterDoublesAndStrangers()
    {
        QFETCH(QString, after);
        QFETCH(QString, items);
        Dialog dialog;
        QToolButton a, b, c;
        const QStringList names = QStringLiteral("a b c min max res close").split(' ');
        const QList<QWidget *> widgets = QList<QWidget *> { &a, &b, &c } + dialog.m_titleItems;
        dialog.insertItemAfterItem(&b, dialog.m_titleItems.last());
        dialog.insertItemAfterItem(&b, nullptr);
        dialog.insertItemAfterItem(&a, widgets[names.indexOf(after)]);
        QStringList actual;
        for (QWidget *item : qAsConst(dialog.m_titleItems))
            actual.append(names.value(widgets.indexOf(item)));
        QCOMPARE(actual.join(' '), items);
        // The insert rebuilt the layout: it ends with the list's last item.
        QLayout *layout = dialog.m_titleItemsLayout;
        QCOMPARE(layout->itemAt(layout->count() - 1)->widget(), dialog.m_titleItems.last());
    }

    void titleAlsoNamesTheWindow_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("title");
        QTest::newRow("constructor") << ""
                                     << "built";
        QTest::newRow("setTitle") << "setTitle"
                                  << "set";
        QTest::newRow("setFrameTitle") << "setFrameTitle"
                                       << "framed";
        QTest::newRow("setTitle to empty") << "setTitle"
                                           << "";
    }

    void titleAlsoNamesTheWindow()
    {
        QFETCH(QString, call);
        QFETCH(QString, title);
        TarnBaseDialog dialog(nullptr, QStringLiteral("built"), 0);
        if (call == "setTitle")
            dialog.setTitle(title);
        else if (call == "setFrameTitle")
            dialog.setFrameTitle(title);
        QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("titleLabel"))->text(), title);
        QCOMPARE(dialog.windowTitle(), title);
    }

    void borderRingsMatchStrokedRectangles_data()
    {
        QTest::addColumn<int>("border");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QSize>("size");
        QTest::newRow("1 at 1.0") << 1 << 1.0 << QSize(400, 300);
        QTest::newRow("2 at 1.0, odd size") << 2 << 1.0 << QSize(401, 299);
        QTest::newRow("3 at 1.0") << 3 << 1.0 << QSize(400, 300);
        QTest::newRow("1 at 1.5, odd size") << 1 << 1.5 << QSize(399, 301);
        QTest::newRow("2 at 1.5") << 2 << 1.5 << QSize(400, 300);
        QTest::newRow("3 at 1.5, odd size") << 3 << 1.5 << QSize(401, 301);
    }

    void borderRingsMatchStrokedRectangles()
    {
        QFETCH(int, border);
        QFETCH(double, scale);
        QFETCH(QSize, size);
        gScale = scale;
        Dialog dialog(border);
        StrokedDialog stroked(border);
        dialog.resize(size);
        stroked.resize(size);
        const QImage image = dialog.grab().toImage();
        QCOMPARE(image, stroked.grab().toImage());
        // The rings are there: the outermost pixel has their colour, the first inside does not.
        QCOMPARE(image.pixelColor(0, size.height() / 2), QColor(0, 16, 13));
        QVERIFY(image.pixelColor(border, size.height() / 2) != QColor(0, 16, 13));
    }

    void windowRectKeepsOppositeEdgeAndMinimum_data()
    {
        // From (100, 100) 400 x 300 with a minimum of 200 x 150.
        QTest::addColumn<RectCase>("c");
        using R = RectCase;
        row("left, min width, border 2", R { 1, 2, 10, { 999, 0 }, { 300, 100, 200, 300 } });
        row("right, 1 under min width", R { 1, 1, 11, { -200, 0 }, { 100, 100, 202, 300 } });
        row("top, min height, 1.25", R { 1.25, 2, 12, { 0, 999 }, { 100, 251, 400, 149 } });
        row("top-left out", R { 1, 1, 13, { -20, -30 }, { 79, 69, 421, 331 } });
        row("top-right out", R { 1, 1, 14, { 20, -30 }, { 100, 69, 421, 331 } });
        row("bottom, min height", R { 1, 0, 15, { 0, -999 }, { 100, 100, 400, 154 } });
        row("bottom-left, min width, 1.25", R { 1.25, 3, 16, { 999, 0 }, { 302, 100, 198, 301 } });
        row("bottom-right in", R { 1, 1, 17, { -10, -10 }, { 100, 100, 391, 291 } });
        row("code 18 at 1.25", R { 1.25, 0, 18, { 50, 50 }, { 0, 0, 204, 153 } });
        // Travel at the ends of the int range: capped at the largest widget size.
        const int most = std::numeric_limits<int>::max();
        const int least = std::numeric_limits<int>::min();
        row("right, int max", R { 1, 1, 11, { most, 0 }, { 100, 100, QWIDGETSIZE_MAX, 300 } });
        row("top-left, int min",
            R { 1,
                1,
                13,
                { least, least },
                { 500 - QWIDGETSIZE_MAX, 400 - QWIDGETSIZE_MAX, QWIDGETSIZE_MAX,
                  QWIDGETSIZE_MAX } });
    }

    void windowRectKeepsOppositeEdgeAndMinimum()
    {
        QFETCH(RectCase, c);
        gScale = c.scale;
        const Dialog dialog(c.border);
        const QRect start(100, 100, 400, 300);
        QCOMPARE(dialog.caculateWindowRect(c.travel.x(), c.travel.y(), c.code, start), c.result);
    }

    void hitTestFollowsZonesChildrenAndFlags_data()
    {
        QTest::addColumn<HitCase>("c");
        using H = HitCase;
        const QList<int> edges { 10, 11, 12, 15 };
        row("left, inner pixel", H { 2, { 1, 150 }, 10 });
        row("bottom-right", H { 2, { 398, 299 }, 17 });
        row("corner off: later edge", H { 2, { 0, 0 }, 12, edges });
        row("content in the way", H { 1, { 1, 150 }, 0 });
        row("resize disabled", H { 2, { 0, 0 }, 0, edges, false });
        row("full screen", H { 2, { 0, 0 }, 0, edges, true, true });
    }

    void hitTestFollowsZonesChildrenAndFlags()
    {
        QFETCH(HitCase, c);
        Dialog dialog(c.border, c.resizable);
        dialog.m_fullScreen = c.fullScreen;
        dialog.setEnableDirection(c.directions);
        dialog.show();
        QMouseEvent event(QEvent::MouseMove, c.pos, dialog.mapToGlobal(c.pos), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QCOMPARE(dialog.winHitTest(&event), c.code);
    }

    void dragsAndDoubleClicksHonourEdgesAndBand_data()
    {
        // Border 2: the title bar covers (2, 2) to (397, 31), its drag band y 2 to 4.
        QTest::addColumn<MouseCase>("c");
        using M = MouseCase;
        row("left edge", M { false, { 0, 150 }, { -30, 157 }, { 69, 100, 431, 300 } });
        row("last band row and column, leaving the window",
            M { false, { 397, 4 }, { 401, -6 }, { 100, 89, 400, 311 }, { { 12, 4, -10 } } });
        row("under the band: move", M { false, { 200, 5 }, { 230, 25 }, { 130, 120, 400, 300 } });
        row("maximised, by the title", M { true, { 200, 15 }, { 230, 35 }, { 0, 0, 800, 600 } });
        row("double click on y 30", M { false, { 200, 30 }, {}, { 0, 0, 800, 600 } });
        row("double click on y 31", M { false, { 200, 31 }, {}, { 100, 100, 400, 300 } });
        // Border 3: the computed rectangle is 2 pixels under the minimum size.
        row("left edge past the minimum: right edge stays",
            M { false, { 1, 150 }, { 400, 150 }, { 300, 100, 200, 300 }, {}, 3 });
        row("top edge past the minimum: bottom edge stays",
            M { false, { 200, 0 }, { 200, 400 }, { 100, 250, 400, 150 }, {}, 3 });
        row("top-left past the minimum: bottom-right stays",
            M { false, { 1, 1 }, { 400, 400 }, { 300, 250, 200, 150 }, {}, 3 });
    }

    void dragsAndDoubleClicksHonourEdgesAndBand()
    {
        QFETCH(MouseCase, c);
        Dialog dialog(c.border);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        if (c.maximised) {
            dialog.slotShowMaxRestore();
            QTRY_COMPARE(dialog.windowHandle()->geometry(), dialog.geometry());
        }
        QSignalSpy titleDrags(dialog.findChild<TarnTitleWidget *>(),
                              &TarnTitleWidget::sigUpdateDragGeometory);
        const QPoint global = dialog.mapToGlobal(c.to);
        if (c.to.isNull()) {
            QTest::mouseDClick(dialog.windowHandle(), Qt::LeftButton, {}, c.press);
        } else {
            QTest::mousePress(dialog.windowHandle(), Qt::LeftButton, {}, c.press);
            QTest::mouseMove(dialog.windowHandle(), c.to);
            // Released where the pointer stayed while the window changed under it.
            QTest::mouseRelease(dialog.windowHandle(), Qt::LeftButton, {},
                                dialog.mapFromGlobal(global));
        }
        QTRY_COMPARE(dialog.geometry(), c.result);
        QCOMPARE(titleDrags, c.titleDrags);
        QCOMPARE(dialog.m_restoreButton->isVisible(), dialog.isMaximized());
    }

    // Qt gives the release to the widget that had the press; when that one was hidden in
    // between, the release never reaches the dialog, and the first move with the left
    // button up ends the drag instead.
    void moveWithLeftButtonUpEndsDragWhoseReleaseWasLost()
    {
        Dialog dialog(2);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QPoint edge(0, 150);
        QMouseEvent press(QEvent::MouseButtonPress, edge, dialog.mapToGlobal(edge), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&dialog, &press);
        const QPoint away(-50, 150);
        QMouseEvent move(QEvent::MouseMove, away, dialog.mapToGlobal(away), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&dialog, &move);
        QCOMPARE(dialog.geometry(), QRect(100, 100, 400, 300));
        QMouseEvent moveAgain(QEvent::MouseMove, away, dialog.mapToGlobal(away), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&dialog, &moveAgain);
        QCOMPARE(dialog.geometry(), QRect(100, 100, 400, 300));
    }

    void centreOverDialogOrScreen_data()
    {
        // The reference is a widget in a dialog at (100, 50) 300 x 200. One 800 x 600 screen.
        QTest::addColumn<bool>("overDialog");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("on the screen, odd size") << false << QRect(199, 149, 401, 301);
        QTest::newRow("over a widget in a dialog") << true << QRect(149, 99, 200, 100);
        QTest::newRow("wider than the screen") << false << QRect(0, 0, 900, 500);
    }

    void centreOverDialogOrScreen()
    {
        QFETCH(bool, overDialog);
        QFETCH(QRect, geometry);
        QDialog owner;
        owner.setGeometry(100, 50, 300, 200);
        QWidget inside(&owner);
        TarnBaseDialog dialog(nullptr, QString(), 1);
        dialog.resize(geometry.size());
        dialog.center(overDialog ? &inside : nullptr);
        QCOMPARE(dialog.geometry(), geometry);
    }
};

QTEST_MAIN(TestTarnBaseDialog)
#include "tst_tarnbasedialog.moc"
