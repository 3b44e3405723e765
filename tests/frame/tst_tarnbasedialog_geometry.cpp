// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnbasedialog.h"
#include "tarnlib.h"
#include "tarntitlewidget.h"

#include <QLayout>
#include <QToolButton>
#include <QtTest>

namespace {
// (100, 100) 400 x 300 with a minimum size of 200 x 150.
class Dialog : public TarnBaseDialog
{
public:
    explicit Dialog(int border, bool resizable = true)
        : TarnBaseDialog(nullptr, QString(), border)
    {
        setWindowResizeEnabled(resizable);
        setMinimumSize(200, 150);
        setGeometry(100, 100, 400, 300);
    }
    using TarnBaseDialog::m_fullScreen;
    using TarnBaseDialog::m_maximizeButton;
    using TarnBaseDialog::m_maximized;
    using TarnBaseDialog::m_maximizeEnabled;
    using TarnBaseDialog::m_restoreButton;
    using TarnBaseDialog::m_titleWidget;

    bool showAndWait()
    {
        show();
        return QTest::qWaitForWindowExposed(this);
    }
};

struct RectCase
{
    double scale;
    int border;
    int code;
    QPoint travel;
    QRect result;
};

struct HitCase
{
    int border;
    QPoint pos;
    int code;
    QList<int> directions = { 10, 11, 12, 15, 13, 14, 16, 17 };
    bool resizable = true;
    bool fullScreen = false;
};

struct DragCase
{
    bool resizable;
    bool maximised;
    QPoint press;
    QPoint to;
    QRect result; // null: unchanged
    Qt::CursorShape cursor;
};

struct MaximiseCase
{
    double scale;
    bool resizable;
    bool maximizeEnabled;
    int y; // of the double click; -1: click the maximise button
    bool toggles;
};

struct CentreCase
{
    QString reference;
    QRect referenceGeometry;
    QSize size;
    QPoint pos;
};
} // namespace

Q_DECLARE_METATYPE(RectCase)
Q_DECLARE_METATYPE(HitCase)
Q_DECLARE_METATYPE(DragCase)
Q_DECLARE_METATYPE(MaximiseCase)
Q_DECLARE_METATYPE(CentreCase)

class TestTarnBaseDialogGeometry : public QObject
{
    Q_OBJECT

private slots:
    void init() { gScale = 1.0; }
    void windowRectKeepsOppositeEdgeAndMinimum_data();
    void windowRectKeepsOppositeEdgeAndMinimum();
    void hitTestAndCursorFollowZones_data();
    void hitTestAndCursorFollowZones();
    void dragMovesOrResizesUnlessMaximised_data();
    void dragMovesOrResizesUnlessMaximised();
    void maximiseRestoreNeedsBothFlags_data();
    void maximiseRestoreNeedsBothFlags();
    void showNormalLeavesFullScreen_data();
    void showNormalLeavesFullScreen();
    void centreOverDialogOrScreen_data();
    void centreOverDialogOrScreen();
};

void TestTarnBaseDialogGeometry::windowRectKeepsOppositeEdgeAndMinimum_data()
{
    // The start is always (100, 100) 400 x 300.
    QTest::addColumn<RectCase>("c");
    QTest::newRow("right") << RectCase { 1, 1, 11, { 50, 9 }, { 100, 100, 451, 300 } };
    QTest::newRow("left past minimum") << RectCase { 1, 1, 10, { 380, 0 }, { 298, 100, 202, 300 } };
    QTest::newRow("top past minimum") << RectCase { 1, 1, 12, { 0, 200 }, { 100, 248, 400, 152 } };
    QTest::newRow("bottom-right in") << RectCase { 1, 1, 17, { -10, -10 }, { 100, 100, 391, 291 } };
    QTest::newRow("left out") << RectCase { 1, 1, 10, { -5, 9 }, { 94, 100, 406, 300 } };
    QTest::newRow("top-left") << RectCase { 1, 1, 13, { -20, -30 }, { 79, 69, 421, 331 } };
    QTest::newRow("top-right") << RectCase { 1, 1, 14, { 20, -30 }, { 100, 69, 421, 331 } };
    QTest::newRow("bottom") << RectCase { 1, 1, 15, { 7, 25 }, { 100, 100, 400, 326 } };
    QTest::newRow("bottom-left") << RectCase { 1, 1, 16, { 10, 5 }, { 109, 100, 391, 306 } };
    for (int border = 0; border <= 3; ++border) {
        QTest::addRow("minimum width, border %d", border)
            << RectCase { 1, border, 11, { -999, 0 }, { 100, 100, 204 - 2 * border, 300 } };
    }
    QTest::newRow("width under limit")
        << RectCase { 1, 1, 11, { -200, 0 }, { 100, 100, 202, 300 } };
    QTest::newRow("width at limit") << RectCase { 1, 1, 11, { -198, 0 }, { 100, 100, 203, 300 } };
    QTest::newRow("min height, border 0")
        << RectCase { 1, 0, 15, { 0, -999 }, { 100, 100, 400, 154 } };
    QTest::newRow("min height, border 3")
        << RectCase { 1, 3, 15, { 0, -999 }, { 100, 100, 400, 148 } };
    QTest::newRow("min height at 1.25")
        << RectCase { 1.25, 1, 15, { 0, -999 }, { 100, 100, 400, 151 } };
    QTest::newRow("above it at 1.25")
        << RectCase { 1.25, 1, 15, { 0, -149 }, { 100, 100, 400, 152 } };
    QTest::newRow("top at 1.25, border 2")
        << RectCase { 1.25, 2, 12, { 0, 999 }, { 100, 251, 400, 149 } };
    QTest::newRow("min width at 1.25")
        << RectCase { 1.25, 1, 16, { 999, 0 }, { 298, 100, 202, 301 } };
    QTest::newRow("code 0") << RectCase { 1, 1, 0, { 50, 50 }, { 0, 0, 202, 152 } };
    QTest::newRow("code 9") << RectCase { 1, 1, 9, { 50, 50 }, { 0, 0, 202, 152 } };
    QTest::newRow("code 18") << RectCase { 1, 1, 18, { 50, 50 }, { 0, 0, 202, 152 } };
    QTest::newRow("code -12") << RectCase { 1, 0, -12, { 50, 50 }, { 0, 0, 204, 154 } };
}

void TestTarnBaseDialogGeometry::windowRectKeepsOppositeEdgeAndMinimum()
{
    QFETCH(RectCase, c);
    gScale = c.scale;
    const Dialog dialog(c.border);
    const QRect start(100, 100, 400, 300);
    QCOMPARE(dialog.caculateWindowRect(c.travel.x(), c.travel.y(), c.code, start), c.result);
}

void TestTarnBaseDialogGeometry::hitTestAndCursorFollowZones_data()
{
    QTest::addColumn<HitCase>("c");
    const QList<int> edges { 10, 11, 12, 15 };
    QTest::newRow("top-left") << HitCase { 2, { 0, 0 }, 13 };
    QTest::newRow("left") << HitCase { 2, { 1, 150 }, 10 };
    QTest::newRow("right") << HitCase { 2, { 398, 150 }, 11 };
    QTest::newRow("top") << HitCase { 2, { 200, 1 }, 12 };
    QTest::newRow("bottom") << HitCase { 2, { 200, 298 }, 15 };
    QTest::newRow("top-right") << HitCase { 2, { 399, 1 }, 14 };
    QTest::newRow("bottom-left") << HitCase { 2, { 1, 298 }, 16 };
    QTest::newRow("bottom-right") << HitCase { 2, { 398, 299 }, 17 };
    QTest::newRow("inside the zones") << HitCase { 2, { 2, 2 }, 0 };
    QTest::newRow("top-left off") << HitCase { 2, { 0, 0 }, 12, edges };
    QTest::newRow("bottom-right off") << HitCase { 2, { 399, 299 }, 15, edges };
    QTest::newRow("bottom-left off") << HitCase { 2, { 0, 299 }, 15, edges };
    QTest::newRow("only a corner") << HitCase { 2, { 1, 150 }, 0, { 13 } };
    QTest::newRow("none enabled") << HitCase { 2, { 0, 0 }, 0, {} };
    QTest::newRow("title in the way") << HitCase { 0, { 200, 0 }, 0 };
    QTest::newRow("content in the way") << HitCase { 1, { 1, 150 }, 0 };
    QTest::newRow("one-pixel border") << HitCase { 1, { 0, 150 }, 10 };
    QTest::newRow("resize disabled") << HitCase { 2, { 0, 0 }, 0, edges, false };
    QTest::newRow("full screen") << HitCase { 2, { 0, 0 }, 0, edges, true, true };
}

void TestTarnBaseDialogGeometry::hitTestAndCursorFollowZones()
{
    QFETCH(HitCase, c);
    static const QHash<int, Qt::CursorShape> shapes {
        { 10, Qt::SizeHorCursor },   { 11, Qt::SizeHorCursor },   { 12, Qt::SizeVerCursor },
        { 13, Qt::SizeFDiagCursor }, { 14, Qt::SizeBDiagCursor }, { 15, Qt::SizeVerCursor },
        { 16, Qt::SizeBDiagCursor }, { 17, Qt::SizeFDiagCursor },
    };
    Dialog dialog(c.border, c.resizable);
    dialog.m_fullScreen = c.fullScreen;
    dialog.setEnableDirection(c.directions);
    QVERIFY(dialog.showAndWait());
    QMouseEvent event(QEvent::MouseMove, c.pos, dialog.mapToGlobal(c.pos), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QCOMPARE(dialog.winHitTest(&event), c.code);
    // QTest would take (0, 0) for the centre of the window.
    QCursor::setPos(dialog.mapToGlobal(c.pos));
    QTRY_COMPARE(dialog.cursor().shape(), shapes.value(c.code, Qt::ArrowCursor));
}

void TestTarnBaseDialogGeometry::dragMovesOrResizesUnlessMaximised_data()
{
    // Border 2; the title bar covers y 2 to 31.
    QTest::addColumn<DragCase>("c");
    QTest::newRow("left edge") << DragCase {
        true, false, { 0, 150 }, { -30, 157 }, { 69, 100, 431, 300 }, Qt::SizeHorCursor
    };
    QTest::newRow("left edge, pointer over content") << DragCase {
        true, false, { 0, 150 }, { 30, 150 }, { 129, 100, 371, 300 }, Qt::SizeHorCursor
    };
    QTest::newRow("bottom-right") << DragCase {
        true, false, { 399, 299 }, { 389, 289 }, { 100, 100, 391, 291 }, Qt::SizeFDiagCursor
    };
    QTest::newRow("move by the title") << DragCase {
        true, false, { 200, 15 }, { 230, 35 }, { 130, 120, 400, 300 }, Qt::ArrowCursor
    };
    QTest::newRow("move by the content") << DragCase {
        true, false, { 200, 150 }, { 190, 140 }, { 90, 90, 400, 300 }, Qt::ArrowCursor
    };
    QTest::newRow("top edge by the title band") << DragCase {
        true, false, { 200, 3 }, { 205, -17 }, { 100, 79, 400, 321 }, Qt::SizeVerCursor
    };
    QTest::newRow("fixed size, by the title")
        << DragCase { false,          false, { 200, 15 }, { 230, 35 }, { 130, 120, 400, 300 },
                      Qt::ArrowCursor };
    QTest::newRow("fixed size, by the frame") << DragCase {
        false, false, { 0, 150 }, { 30, 170 }, { 130, 120, 400, 300 }, Qt::ArrowCursor
    };
    QTest::newRow("fixed size, by the content")
        << DragCase { false, false, { 200, 150 }, { 230, 170 }, {}, Qt::ArrowCursor };
    QTest::newRow("maximised, by the title")
        << DragCase { true, true, { 200, 15 }, { 230, 35 }, {}, Qt::ArrowCursor };
    QTest::newRow("maximised, by the edge")
        << DragCase { true, true, { 0, 150 }, { 30, 170 }, {}, Qt::SizeHorCursor };
}

void TestTarnBaseDialogGeometry::dragMovesOrResizesUnlessMaximised()
{
    QFETCH(DragCase, c);
    Dialog dialog(2, c.resizable);
    QVERIFY(dialog.showAndWait());
    if (c.maximised) {
        dialog.m_maximizeEnabled = true;
        dialog.slotShowMaxRestore();
        QTRY_COMPARE(dialog.windowHandle()->geometry(), dialog.geometry());
    }
    const QRect before = dialog.geometry();
    QWidget *pressed = dialog.childAt(c.press) ? dialog.childAt(c.press) : &dialog;
    QTest::mousePress(dialog.windowHandle(), Qt::LeftButton, {}, c.press);
    const QPoint global = dialog.mapToGlobal(c.to);
    QTest::mouseMove(dialog.windowHandle(), c.to);
    QCOMPARE(pressed->cursor().shape(), c.cursor);
    // Released where the pointer stayed while the window changed under it.
    QTest::mouseRelease(dialog.windowHandle(), Qt::LeftButton, {}, dialog.mapFromGlobal(global));
    QCOMPARE(dialog.geometry(), c.result.isNull() ? before : c.result);
}

void TestTarnBaseDialogGeometry::maximiseRestoreNeedsBothFlags_data()
{
    QTest::addColumn<MaximiseCase>("c");
    QTest::newRow("in the title band") << MaximiseCase { 1, true, true, 1, true };
    QTest::newRow("y 30") << MaximiseCase { 1, true, true, 30, true };
    QTest::newRow("y 31") << MaximiseCase { 1, true, true, 31, false };
    QTest::newRow("y 37 at 1.25") << MaximiseCase { 1.25, true, true, 37, true };
    QTest::newRow("y 38 at 1.25") << MaximiseCase { 1.25, true, true, 38, false };
    QTest::newRow("maximise disabled") << MaximiseCase { 1, true, false, 10, false };
    QTest::newRow("resize disabled") << MaximiseCase { 1, false, true, 10, false };
    QTest::newRow("button") << MaximiseCase { 1, true, true, -1, true };
    QTest::newRow("button, maximise disabled") << MaximiseCase { 1, true, false, -1, false };
    QTest::newRow("button, resize disabled") << MaximiseCase { 1, false, true, -1, false };
}

void TestTarnBaseDialogGeometry::maximiseRestoreNeedsBothFlags()
{
    QFETCH(MaximiseCase, c);
    gScale = c.scale;
    Dialog dialog(0, c.resizable);
    dialog.m_maximizeEnabled = c.maximizeEnabled;
    dialog.m_maximizeButton->setVisible(c.y < 0);
    QVERIFY(dialog.showAndWait());
    if (c.y < 0)
        QTest::mouseClick(dialog.m_maximizeButton, Qt::LeftButton);
    else
        QTest::mouseDClick(dialog.windowHandle(), Qt::LeftButton, {}, QPoint(200, c.y));
    QCOMPARE(dialog.m_maximized, c.toggles);
    QCOMPARE(dialog.isMaximized(), c.toggles);
    QCOMPARE(dialog.m_restoreButton->isVisible(), c.toggles);
    QCOMPARE(dialog.m_maximizeButton->isVisible(), c.y < 0 && !c.toggles);
    if (!c.toggles)
        return;
    QTest::mouseClick(dialog.m_restoreButton, Qt::LeftButton);
    QVERIFY(!dialog.m_maximized && !dialog.isMaximized());
    QVERIFY(dialog.m_maximizeButton->isVisible() && !dialog.m_restoreButton->isVisible());
}

void TestTarnBaseDialogGeometry::showNormalLeavesFullScreen_data()
{
    QTest::addColumn<bool>("fullScreen");
    QTest::newRow("full screen") << true;
    QTest::newRow("maximised only") << false;
}

void TestTarnBaseDialogGeometry::showNormalLeavesFullScreen()
{
    QFETCH(bool, fullScreen);
    Dialog dialog(3);
    dialog.m_maximizeEnabled = true;
    QVERIFY(dialog.showAndWait());
    dialog.slotShowMaxRestore();
    // What a subclass does to go full screen.
    dialog.m_fullScreen = fullScreen;
    dialog.m_titleWidget->hide();
    dialog.layout()->setContentsMargins(0, 0, 0, 0);
    dialog.setShowNormal();
    QVERIFY(!dialog.isMaximized() && !dialog.isFullSrc());
    QCOMPARE(dialog.m_maximized, !fullScreen);
    QCOMPARE(dialog.m_titleWidget->isHidden(), !fullScreen);
    QCOMPARE(dialog.layout()->contentsMargins(), fullScreen ? QMargins(3, 3, 3, 3) : QMargins());
    QCOMPARE(dialog.m_maximizeButton->isHidden(), !fullScreen);
    QCOMPARE(dialog.m_restoreButton->isHidden(), fullScreen);
}

void TestTarnBaseDialogGeometry::centreOverDialogOrScreen_data()
{
    // One 800 x 600 screen.
    QTest::addColumn<CentreCase>("c");
    const QRect owner(100, 50, 300, 200);
    QTest::newRow("no reference, odd") << CentreCase { "none", {}, { 401, 301 }, { 199, 149 } };
    QTest::newRow("no reference, even") << CentreCase { "none", {}, { 400, 300 }, { 199, 149 } };
    QTest::newRow("over a dialog") << CentreCase { "dialog", owner, { 200, 100 }, { 149, 99 } };
    QTest::newRow("over a widget in a dialog")
        << CentreCase { "child", owner, { 200, 100 }, { 149, 99 } };
    QTest::newRow("a plain window is no reference")
        << CentreCase { "window", owner, { 200, 100 }, { 299, 249 } };
    QTest::newRow("over a dialog near the edge")
        << CentreCase { "dialog", { 600, 50, 200, 200 }, { 300, 100 }, { 0, 0 } };
    QTest::newRow("over a dialog off the screen")
        << CentreCase { "dialog", { 2000, 2000, 300, 200 }, { 200, 100 }, { 0, 0 } };
    QTest::newRow("wider than the screen") << CentreCase { "none", {}, { 900, 500 }, { 0, 0 } };
    QTest::newRow("taller than the screen") << CentreCase { "none", {}, { 300, 700 }, { 0, 0 } };
}

void TestTarnBaseDialogGeometry::centreOverDialogOrScreen()
{
    QFETCH(CentreCase, c);
    QDialog owner;
    QWidget window;
    auto *child = new QWidget(&owner);
    owner.setGeometry(c.referenceGeometry);
    window.setGeometry(c.referenceGeometry);
    const QHash<QString, QWidget *> references {
        { "none", nullptr }, { "dialog", &owner }, { "child", child }, { "window", &window }
    };
    TarnBaseDialog dialog(nullptr, QString(), 1);
    dialog.resize(c.size);
    dialog.center(references.value(c.reference));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.geometry(), QRect(c.pos, c.size));
}

QTEST_MAIN(TestTarnBaseDialogGeometry)
#include "tst_tarnbasedialog_geometry.moc"
