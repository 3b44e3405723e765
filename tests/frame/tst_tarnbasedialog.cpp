// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnbasedialog.h"
#include "tarnlib.h"
#include "tarntitlewidget.h"

#include <QLayout>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

namespace {
// (100, 100) 400 x 300 with a minimum size of 200 x 150.
class Dialog : public TarnBaseDialog
{
public:
    explicit Dialog(int border = 0, bool resizable = true)
        : TarnBaseDialog(nullptr, QString(), border)
    {
        setWindowResizeEnabled(resizable);
        setMinimumSize(200, 150);
        setGeometry(100, 100, 400, 300);
    }
    using TarnBaseDialog::m_fullScreen, TarnBaseDialog::m_maximizeEnabled;
    using TarnBaseDialog::m_maximizeButton, TarnBaseDialog::m_restoreButton;
    using TarnBaseDialog::m_titleItems, TarnBaseDialog::m_titleItemsLayout;
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
    Qt::CursorShape cursor;
    QList<int> directions = { 10, 11, 12, 15, 13, 14, 16, 17 };
    bool resizable = true, fullScreen = false;
};

struct MouseCase
{
    bool resizable, maximizeEnabled, maximised;
    QPoint press, to = {}; // to null: a double click at press
    QRect result = {}; // null: unchanged
    QList<QVariantList> titleDrags = {};
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
        // Steps: "+item after" ("-" for none) or "-item"; a and b are new buttons.
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("items");
        QTest::newRow("at the front") << "+a -" << QStringLiteral("a min max res close");
        QTest::newRow("after one listed twice")
            << "+b close,+b -,+a b" << QStringLiteral("b a min max res close b a");
        QTest::newRow("after itself") << "+a -,+a a" << QStringLiteral("a a min max res close");
        QTest::newRow("after one not listed") << "+a b" << QStringLiteral("min max res close");
        QTest::newRow("remove first of two")
            << "+b close,+b -,-b" << QStringLiteral("min max res close b");
    }

    void titleItemsAfterDoublesAndStrangers()
    {
        QFETCH(QString, steps);
        QFETCH(QString, items);
        Dialog dialog;
        QToolButton a, b;
        const QStringList names = QStringLiteral("a b min max res close").split(' ');
        const QList<QWidget *> widgets = QList<QWidget *> { &a, &b } + dialog.m_titleItems;
        for (const QString &step : steps.split(',')) {
            const QStringList words = step.mid(1).split(' ');
            QWidget *item = widgets.value(names.indexOf(words[0]));
            if (step.startsWith('+'))
                dialog.insertItemAfterItem(item, widgets.value(names.indexOf(words[1])));
            else
                dialog.removeTitleItem(item);
        }
        QStringList actual;
        QList<QWidget *> shown; // the layout holds a widget once, at its last place
        for (QWidget *item : qAsConst(dialog.m_titleItems)) {
            actual.append(names.value(widgets.indexOf(item)));
            shown.removeOne(item);
            shown.append(item);
        }
        QCOMPARE(actual.join(' '), items);
        QCOMPARE(dialog.m_titleItemsLayout->count(), shown.size());
        for (int i = 0; i < shown.size(); ++i)
            QCOMPARE(dialog.m_titleItemsLayout->itemAt(i)->widget(), shown[i]);
    }

    void borderRingsUnlessMaximised_data()
    {
        QTest::addColumn<int>("border");
        QTest::addColumn<bool>("maximised");
        for (int border = 0; border <= 3; ++border)
            QTest::addRow("border %d", border) << border << false;
        QTest::newRow("border 3, maximised") << 3 << true;
    }

    void borderRingsUnlessMaximised()
    {
        QFETCH(int, border);
        QFETCH(bool, maximised);
        Dialog dialog(border);
        if (maximised)
            dialog.showMaximized();
        const QImage image = dialog.grab().toImage();
        const int r = image.width() - 1, b = image.height() - 1;
        // Each ring on all four sides, and nothing of its colour just inside the last one.
        for (int i = 0; i <= border; ++i) {
            for (const QPoint &p :
                 { QPoint(i, b / 2), QPoint(r - i, b / 2), QPoint(r / 2, i), QPoint(r / 2, b - i) })
                QCOMPARE(image.pixelColor(p) == QColor(0, 16, 13), i < border && !maximised);
        }
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
        row("bottom, min height, 1.25", R { 1.25, 1, 15, { 0, -999 }, { 100, 100, 400, 151 } });
        row("bottom-left, min width, 1.25", R { 1.25, 3, 16, { 999, 0 }, { 302, 100, 198, 301 } });
        row("bottom-right in", R { 1, 1, 17, { -10, -10 }, { 100, 100, 391, 291 } });
        row("code 9", R { 1, 1, 9, { 50, 50 }, { 0, 0, 202, 152 } });
        row("code 18 at 1.25", R { 1.25, 0, 18, { 50, 50 }, { 0, 0, 204, 153 } });
    }

    void windowRectKeepsOppositeEdgeAndMinimum()
    {
        QFETCH(RectCase, c);
        gScale = c.scale;
        const Dialog dialog(c.border);
        const QRect start(100, 100, 400, 300);
        QCOMPARE(dialog.caculateWindowRect(c.travel.x(), c.travel.y(), c.code, start), c.result);
    }

    void hitTestAndCursorFollowZones_data()
    {
        QTest::addColumn<HitCase>("c");
        using H = HitCase;
        const QList<int> edges { 10, 11, 12, 15 };
        const Qt::CursorShape arrow = Qt::ArrowCursor;
        row("left, inner pixel", H { 2, { 1, 150 }, 10, Qt::SizeHorCursor });
        row("right, inner pixel", H { 2, { 398, 150 }, 11, Qt::SizeHorCursor });
        row("top, inner pixel", H { 2, { 200, 1 }, 12, Qt::SizeVerCursor });
        row("bottom, inner pixel", H { 2, { 200, 298 }, 15, Qt::SizeVerCursor });
        row("top-left", H { 2, { 0, 0 }, 13, Qt::SizeFDiagCursor });
        row("top-right", H { 2, { 399, 1 }, 14, Qt::SizeBDiagCursor });
        row("bottom-left", H { 2, { 1, 298 }, 16, Qt::SizeBDiagCursor });
        row("bottom-right", H { 2, { 398, 299 }, 17, Qt::SizeFDiagCursor });
        row("inside the zones", H { 2, { 2, 2 }, 0, arrow });
        row("corner off: later edge", H { 2, { 0, 0 }, 12, Qt::SizeVerCursor, edges });
        row("edge off", H { 2, { 1, 150 }, 0, arrow, { 13 } });
        row("content in the way", H { 1, { 1, 150 }, 0, arrow });
        row("title band in the way", H { 2, { 200, 3 }, 0, Qt::SizeVerCursor });
        row("resize disabled", H { 2, { 0, 0 }, 0, arrow, edges, false });
        row("full screen", H { 2, { 0, 0 }, 0, arrow, edges, true, true });
    }

    void hitTestAndCursorFollowZones()
    {
        QFETCH(HitCase, c);
        Dialog dialog(c.border, c.resizable);
        dialog.m_fullScreen = c.fullScreen;
        dialog.setEnableDirection(c.directions);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QMouseEvent event(QEvent::MouseMove, c.pos, dialog.mapToGlobal(c.pos), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QCOMPARE(dialog.winHitTest(&event), c.code);
        // QTest would take (0, 0) for the centre of the window.
        QCursor::setPos(dialog.mapToGlobal(c.pos));
        QWidget *under = dialog.childAt(c.pos);
        QTRY_COMPARE((under ? under : &dialog)->cursor().shape(), c.cursor);
    }

    void dragsAndDoubleClicksHonourEdgesBandAndFlags_data()
    {
        // Border 2: the title bar covers (2, 2) to (397, 31), its drag band y 2 to 4.
        QTest::addColumn<MouseCase>("c");
        using M = MouseCase;
        const QRect moved(130, 120, 400, 300);
        row("left edge", M { true, true, false, { 0, 150 }, { -30, 157 }, { 69, 100, 431, 300 } });
        row("last band row and column, leaving the window",
            M { true,
                true,
                false,
                { 397, 4 },
                { 401, -6 },
                { 100, 89, 400, 311 },
                { { 12, 4, -10 } } });
        row("first row below the band", M { true, true, false, { 200, 5 }, { 230, 25 }, moved });
        row("fixed size, by the band", M { false, true, false, { 200, 3 }, { 230, 23 }, moved });
        row("fixed size, by the frame", M { false, true, false, { 0, 150 }, { 30, 170 }, moved });
        row("fixed size, by the content", M { false, true, false, { 200, 150 }, { 230, 170 } });
        row("maximised, by the title", M { true, true, true, { 200, 15 }, { 230, 35 } });
        row("double click on y 30", M { true, true, false, { 200, 30 }, {}, { 0, 0, 800, 600 } });
        row("double click on y 31", M { true, true, false, { 200, 31 } });
        row("double click, maximise disabled", M { true, false, false, { 200, 10 } });
    }

    void dragsAndDoubleClicksHonourEdgesBandAndFlags()
    {
        QFETCH(MouseCase, c);
        Dialog dialog(2, c.resizable);
        dialog.m_maximizeEnabled = c.maximizeEnabled;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        if (c.maximised) {
            dialog.slotShowMaxRestore();
            QTRY_COMPARE(dialog.windowHandle()->geometry(), dialog.geometry());
        }
        QSignalSpy titleDrags(dialog.findChild<TarnTitleWidget *>(),
                              &TarnTitleWidget::sigUpdateDragGeometory);
        const QRect before = dialog.geometry();
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
        QTRY_COMPARE(dialog.geometry(), c.result.isNull() ? before : c.result);
        QCOMPARE(titleDrags, c.titleDrags);
        QCOMPARE(dialog.m_restoreButton->isVisible(), dialog.isMaximized());
        if (!dialog.isMaximized())
            return;
        QTest::mouseClick(dialog.m_restoreButton, Qt::LeftButton);
        QVERIFY(!dialog.isMaximized() && dialog.m_maximizeButton->isVisible());
    }

    void centreOverDialogOrScreen_data()
    {
        // Reference: 0 none, 1 a dialog at (100, 50) 300 x 200, 2 a widget in it, 3 a plain
        // window. One 800 x 600 screen.
        QTest::addColumn<int>("reference");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("pos");
        QTest::newRow("on the screen, odd size") << 0 << QSize(401, 301) << QPoint(199, 149);
        QTest::newRow("over a dialog") << 1 << QSize(200, 100) << QPoint(149, 99);
        QTest::newRow("over a widget in a dialog") << 2 << QSize(200, 100) << QPoint(149, 99);
        QTest::newRow("plain window: no reference") << 3 << QSize(200, 100) << QPoint(299, 249);
        QTest::newRow("wider than the screen") << 0 << QSize(900, 500) << QPoint(0, 0);
    }

    void centreOverDialogOrScreen()
    {
        QFETCH(int, reference);
        QFETCH(QSize, size);
        QFETCH(QPoint, pos);
        QDialog owner;
        QWidget window;
        owner.setGeometry(100, 50, 300, 200);
        const QList<QWidget *> references { nullptr, &owner, new QWidget(&owner), &window };
        TarnBaseDialog dialog(nullptr, QString(), 1);
        dialog.resize(size);
        dialog.center(references[reference]);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.geometry(), QRect(pos, size));
    }
};

QTEST_MAIN(TestTarnBaseDialog)
#include "tst_tarnbasedialog.moc"
