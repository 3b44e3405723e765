// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnbasedialog.h"
#include "tarninterface.h"
#include "tarnlib.h"
#include "tarntitlewidget.h"

#include <QLabel>
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
        TarnBaseDialog::m_maximizeEnabled, TarnBaseDialog::m_restoreButton,
        TarnBaseDialog::m_titleItems;
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

    void titleItemsAfterDoublesAndStrangers()
    {
        Dialog dialog;
        QToolButton a, b, c;
        const QStringList names = QStringLiteral("a b c min max res close").split(' ');
        const QList<QWidget *> widgets = QList<QWidget *> { &a, &b, &c } + dialog.m_titleItems;
        const auto listed = [&] {
            QStringList actual;
            for (QWidget *item : qAsConst(dialog.m_titleItems))
                actual.append(names.value(widgets.indexOf(item)));
            return actual.join(' ');
        };
        dialog.insertItemAfterItem(&b, dialog.m_titleItems.last());
        dialog.insertItemAfterItem(&b, nullptr);
        dialog.insertItemAfterItem(&c, &a); // a is not listed yet
        QCOMPARE(listed(), "b min max res close b");
        dialog.insertItemAfterItem(&a, &b);
        QCOMPARE(listed(), "b a min max res close b a");
        dialog.removeTitleItem(&b); // only its first entry
        QCOMPARE(listed(), "a min max res close b a");
    }

    void titleAlsoNamesTheWindowEvenWhenEmpty()
    {
        TarnBaseDialog dialog(nullptr, QStringLiteral("built"), 0);
        auto *label = dialog.findChild<QLabel *>(QStringLiteral("titleLabel"));
        const auto titles = [&] {
            return label->text() + '|' + dialog.windowTitle();
        };
        QCOMPARE(titles(), "built|built");
        dialog.setFrameTitle("framed");
        QCOMPARE(titles(), "framed|framed");
        dialog.setTitle(QString());
        QCOMPARE(titles(), "|");
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
        const auto row = [](const char *tag, bool draggable, QPoint press, QPoint to,
                            const char *seen, Qt::CursorShape cursor) {
            QTest::newRow(tag) << draggable << press << to << seen << int(cursor);
        };
        row("last band row and column, leaving it", true, { 199, 2 }, { 203, -8 },
            "begin drag(12,4,-10) focus", Qt::SizeVerCursor);
        row("first row under the band", true, { 100, 3 }, { 100, 0 }, "focus", Qt::ArrowCursor);
        row("just right of the band", true, { 200, 0 }, { 200, 10 }, "focus", Qt::ArrowCursor);
        row("not draggable", false, { 50, 1 }, { 50, -9 }, "focus", Qt::ArrowCursor);
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
        QTest::newRow("2 at 1.0, odd size") << 2 << 1.0 << QSize(401, 299);
        QTest::newRow("1 at 1.5, odd size") << 1 << 1.5 << QSize(399, 301);
        QTest::newRow("3 at 1.5, odd size") << 3 << 1.5 << QSize(401, 301);
    }

    void borderRingsMatchStrokedRectangles()
    {
        QFETCH(int, border);
        QFETCH(double, scale);
        QFETCH(QSize, size);
        gScale = scale;
        Dialog dialog(border);
        dialog.resize(size);
        const QImage image = dialog.grab().toImage();
        QImage stroked = image;
        QPainter painter(&stroked);
        painter.setPen(QPen(QColor(0, 16, 13), 1));
        for (int i = 0; i < border; ++i)
            painter.drawRect(i, i, size.width() - 1 - 2 * i, size.height() - 1 - 2 * i);
        painter.end();
        QCOMPARE(image, stroked);
        QVERIFY(image.pixelColor(border, size.height() / 2) != QColor(0, 16, 13));
    }

    void windowRectKeepsOppositeEdgeAndMinimum_data()
    {
        QTest::addColumn<RectCase>("c");
        using R = RectCase;
        row("left, min width, border 2", R { 1, 2, 10, { 999, 0 }, { 300, 100, 200, 300 } });
        row("top, min height, 1.25", R { 1.25, 2, 12, { 0, 999 }, { 100, 251, 400, 149 } });
        row("bottom, min height", R { 1, 0, 15, { 0, -999 }, { 100, 100, 400, 154 } });
        row("bottom-left, min width, 1.25", R { 1.25, 3, 16, { 999, 0 }, { 302, 100, 198, 301 } });
        row("code 18 at 1.25", R { 1.25, 0, 18, { 50, 50 }, { 0, 0, 204, 153 } });
        const int least = std::numeric_limits<int>::min(), W = QWIDGETSIZE_MAX;
        row("top-left, int min: capped",
            R { 1, 1, 13, { least, least }, { 500 - W, 400 - W, W, W } });
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
        const auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButton button) {
            QMouseEvent event(type, at, dialog.mapToGlobal(at), button, button, Qt::NoModifier);
            QApplication::sendEvent(&dialog, &event);
        };
        send(QEvent::MouseButtonPress, { 0, 150 }, Qt::LeftButton);
        send(QEvent::MouseMove, { -50, 150 }, Qt::NoButton);
        send(QEvent::MouseMove, { -50, 150 }, Qt::LeftButton);
        QCOMPARE(dialog.geometry(), QRect(100, 100, 400, 300));
    }

    void centreOverWidgetsDialogOrScreenTopLeftWhenTooWide()
    {
        QDialog owner;
        owner.setGeometry(100, 50, 300, 200);
        QWidget inside(&owner);
        TarnBaseDialog dialog(nullptr, QString(), 1);
        dialog.resize(200, 100);
        dialog.center(&inside);
        QTRY_COMPARE(dialog.geometry(), QRect(149, 99, 200, 100));
        dialog.resize(401, 301);
        dialog.center(nullptr);
        QTRY_COMPARE(dialog.geometry(),
                     QRect(available().center() - QPoint(200, 150), dialog.size()));
        dialog.resize(available().width() + 100, 500);
        dialog.center(nullptr);
        QTRY_COMPARE(dialog.geometry(), QRect(available().topLeft(), dialog.size()));
    }
};

QTEST_MAIN(TestTarnBaseDialog)
#include "tst_tarnbasedialog.moc"
