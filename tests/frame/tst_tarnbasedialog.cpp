// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnbasedialog.h"
#include "tarninterface.h"
#include "tarnlib.h"
#include "tarntitlewidget.h"

#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QScreen>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

#include <limits>

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
    using TarnBaseDialog::m_fullScreen, TarnBaseDialog::m_iconLabel,
        TarnBaseDialog::m_maximizeEnabled, TarnBaseDialog::m_restoreButton;
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

// A null result stands for the screen's available geometry: the window maximised.
struct MouseCase
{
    bool maximised;
    QPoint press, to = {}; // to null: a double click at press
    QRect result = {};
    QList<QVariantList> titleDrags = {};
    bool maximisable = true;
    int border = 2;
};

QRect available()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}
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
        const auto listed = [&] {
            QStringList actual;
            for (QWidget *item : qAsConst(dialog.m_titleItems))
                actual.append(names.value(widgets.indexOf(item)));
            return actual.join(' ');
        };
        QCOMPARE(listed(), items);
        // The insert rebuilt the layout: it ends with the list's last item.
        QLayout *layout = dialog.m_titleItemsLayout;
        QCOMPARE(layout->itemAt(layout->count() - 1)->widget(), dialog.m_titleItems.last());
        dialog.removeTitleItem(&b); // only its first entry
        QCOMPARE(listed(), items.mid(2));
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

    // At a scale other than 1.0, the names and heights the host's style sheet relies on; then
    // the title icon, scaled to the icon label's height, or 6 pixels wide when there is none.
    void styleHooksHeightsAndTitleIconAtScale()
    {
        gScale = 1.5;
        Dialog dialog(1);
        QStringList names;
        for (QWidget *item :
             dialog.findChild<QWidget *>("frame-title-widget")->findChildren<QWidget *>())
            names << item->objectName();
        QCOMPARE(names.join(' '),
                 " titleLabel minimize-button maximize-button maximize-button close-button");
        QCOMPARE(dialog.findChild<QWidget *>("frame-title-widget")->height(), 45);
        QVERIFY(dialog.findChild<QWidget *>("frame-content-widget"));
        QVERIFY(!dialog.findChild<QWidget *>("close-button")->isHidden());
        QImage(64, 64, QImage::Format_RGB32).save(QDir::temp().filePath("tarn-64.png"));
        dialog.setFrameIcon(QDir::temp().filePath("tarn-64.png"), 4);
        QCOMPARE(dialog.m_iconLabel->pixmap(Qt::ReturnByValue).size(), QSize(30, 30));
        QCOMPARE(dialog.m_iconLabel->width(), 34);
        Dialog plain(1);
        plain.setFrameIcon("no such image", 4);
        QCOMPARE(plain.m_iconLabel->width(), 10);
    }

    void staysOnTopTellsTheFacadeAndKeepsGeometry()
    {
        TarnInterface facade;
        TarnInterface::mInstance = &facade;
        Dialog dialog;
        dialog.show();
        for (const bool on : { true, false }) {
            dialog.setStaysOnTop(on);
            QCOMPARE(facade.vmStayOnTop(), on);
            QCOMPARE(dialog.isStaysOnTop(), on);
            QTRY_COMPARE(dialog.geometry(), QRect(100, 100, 400, 300));
        }
        QCOMPARE(facade.vmStayOnTopCalls(), 2);
    }

    // A title bar 200 wide on its own: press, move to, release. Its signals, and the cursor
    // while the button is held.
    void titleBarBandSignalsAndCursor_data()
    {
        QTest::addColumn<bool>("draggable");
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QString>("signals");
        QTest::addColumn<int>("cursor");
        QTest::newRow("last band row and column, leaving it")
            << true << QPoint(199, 2) << QPoint(203, -8) << "begin drag(12,4,-10) focus"
            << int(Qt::SizeVerCursor);
        QTest::newRow("first row under the band")
            << true << QPoint(100, 3) << QPoint(100, 0) << "focus" << int(Qt::ArrowCursor);
        QTest::newRow("just right of the band")
            << true << QPoint(200, 0) << QPoint(200, 10) << "focus" << int(Qt::ArrowCursor);
        QTest::newRow("not draggable")
            << false << QPoint(50, 1) << QPoint(50, -9) << "focus" << int(Qt::ArrowCursor);
    }

    void titleBarBandSignalsAndCursor()
    {
        QFETCH(bool, draggable);
        QFETCH(QPoint, press);
        QFETCH(QPoint, to);
        TarnTitleWidget title(nullptr);
        title.resize(200, 30);
        title.setDraggable(draggable);
        title.setCursor(Qt::CrossCursor);
        QStringList seen;
        connect(&title, &TarnTitleWidget::sigDragBegin, [&] { seen << "begin"; });
        connect(&title, &TarnTitleWidget::sigSetFocus, [&] { seen << "focus"; });
        connect(&title, &TarnTitleWidget::sigUpdateDragGeometory, [&](int code, int dx, int dy) {
            seen << QString("drag(%1,%2,%3)").arg(code).arg(dx).arg(dy);
        });
        QTest::mousePress(&title, Qt::LeftButton, {}, press);
        QMouseEvent move(QEvent::MouseMove, to, title.mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                         {});
        QApplication::sendEvent(&title, &move);
        QTEST(int(title.cursor().shape()), "cursor");
        QTest::mouseRelease(&title, Qt::LeftButton, {}, to);
        QTEST(seen.join(' '), "signals");
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
        row("top, min height, 1.25", R { 1.25, 2, 12, { 0, 999 }, { 100, 251, 400, 149 } });
        row("bottom, min height", R { 1, 0, 15, { 0, -999 }, { 100, 100, 400, 154 } });
        row("bottom-left, min width, 1.25", R { 1.25, 3, 16, { 999, 0 }, { 302, 100, 198, 301 } });
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
        row("third pixel is no edge", H { 3, { 2, 150 }, 0 });
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
        row("right edge", M { false, { 399, 150 }, { 429, 157 }, { 100, 100, 431, 300 } });
        row("top edge", M { false, { 200, 0 }, { 207, -20 }, { 100, 79, 400, 321 } });
        row("bottom edge", M { false, { 200, 299 }, { 207, 319 }, { 100, 100, 400, 321 } });
        row("top-left corner", M { false, { 1, 1 }, { -9, -9 }, { 89, 89, 411, 311 } });
        row("last band row and column, leaving the window",
            M { false, { 397, 4 }, { 401, -6 }, { 100, 89, 400, 311 }, { { 12, 4, -10 } } });
        row("under the band: move", M { false, { 200, 5 }, { 230, 25 }, { 130, 120, 400, 300 } });
        row("maximised, by the title", M { true, { 200, 15 }, { 230, 35 } });
        row("double click on y 30", M { false, { 200, 30 } });
        row("double click on y 31", M { false, { 200, 31 }, {}, { 100, 100, 400, 300 } });
        row("double click, maximising off",
            M { false, { 200, 30 }, {}, { 100, 100, 400, 300 }, {}, false });
        // Border 3: the computed rectangle is 2 pixels under the minimum size.
        row("left edge past the minimum: right edge stays",
            M { false, { 1, 150 }, { 400, 150 }, { 300, 100, 200, 300 }, {}, true, 3 });
        row("top edge past the minimum: bottom edge stays",
            M { false, { 200, 0 }, { 200, 400 }, { 100, 250, 400, 150 }, {}, true, 3 });
        row("top-left past the minimum: bottom-right stays",
            M { false, { 1, 1 }, { 400, 400 }, { 300, 250, 200, 150 }, {}, true, 3 });
    }

    void dragsAndDoubleClicksHonourEdgesAndBand()
    {
        QFETCH(MouseCase, c);
        Dialog dialog(c.border);
        dialog.m_maximizeEnabled = c.maximisable;
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
        QTRY_COMPARE(dialog.geometry(), c.result.isNull() ? available() : c.result);
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
        // The reference is a widget in a dialog at (100, 50) 300 x 200. A width of 0 stands for
        // the available width and 100 more.
        QTest::addColumn<bool>("overDialog");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("topLeft"); // from the centre of the available geometry
        QTest::newRow("on the screen, odd size") << false << QSize(401, 301) << QPoint(-200, -150);
        QTest::newRow("over a widget in a dialog") << true << QSize(200, 100) << QPoint();
        QTest::newRow("wider than the screen") << false << QSize(0, 500) << QPoint();
    }

    void centreOverDialogOrScreen()
    {
        QFETCH(bool, overDialog);
        QFETCH(QSize, size);
        QFETCH(QPoint, topLeft);
        QDialog owner;
        owner.setGeometry(100, 50, 300, 200);
        QWidget inside(&owner);
        TarnBaseDialog dialog(nullptr, QString(), 1);
        dialog.resize(size.width() ? size.width() : available().width() + 100, size.height());
        dialog.center(overDialog ? &inside : nullptr);
        const QPoint expected = overDialog ? QPoint(149, 99)
            : size.width()                 ? available().center() + topLeft
                                           : available().topLeft();
        QTRY_COMPARE(dialog.geometry(), QRect(expected, dialog.size()));
    }
};

QTEST_MAIN(TestTarnBaseDialog)
#include "tst_tarnbasedialog.moc"
