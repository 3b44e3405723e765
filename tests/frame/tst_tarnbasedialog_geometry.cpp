// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnbasedialog.h"
#include "tarnframe_p.h"
#include "tarnlib.h"
#include "tarntitlewidget.h"

#include <QBoxLayout>
#include <QToolButton>
#include <QtTest>

namespace {
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
} // namespace

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
    void centredTopLeftFallsBackWhenTooLarge_data();
    void centredTopLeftFallsBackWhenTooLarge();
};

void TestTarnBaseDialogGeometry::windowRectKeepsOppositeEdgeAndMinimum_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("border");
    QTest::addColumn<int>("code");
    QTest::addColumn<QPoint>("travel");
    QTest::addColumn<QRect>("result");
    // The start is always (100, 100) 400 x 300, the minimum size 200 x 150.
    QTest::newRow("right") << 1.0 << 1 << 11 << QPoint(50, 9) << QRect(100, 100, 451, 300);
    QTest::newRow("left past minimum")
        << 1.0 << 1 << 10 << QPoint(380, 0) << QRect(298, 100, 202, 300);
    QTest::newRow("top past minimum")
        << 1.0 << 1 << 12 << QPoint(0, 200) << QRect(100, 248, 400, 152);
    QTest::newRow("bottom-right inward")
        << 1.0 << 1 << 17 << QPoint(-10, -10) << QRect(100, 100, 391, 291);
    QTest::newRow("left outward") << 1.0 << 1 << 10 << QPoint(-5, 9) << QRect(94, 100, 406, 300);
    QTest::newRow("top-left") << 1.0 << 1 << 13 << QPoint(-20, -30) << QRect(79, 69, 421, 331);
    QTest::newRow("top-right") << 1.0 << 1 << 14 << QPoint(20, -30) << QRect(100, 69, 421, 331);
    QTest::newRow("bottom") << 1.0 << 1 << 15 << QPoint(7, 25) << QRect(100, 100, 400, 326);
    QTest::newRow("bottom-left") << 1.0 << 1 << 16 << QPoint(10, 5) << QRect(109, 100, 391, 306);
    for (int border = 0; border <= 3; ++border) {
        QTest::addRow("minimum width, border %d", border)
            << 1.0 << border << 11 << QPoint(-1000, 0) << QRect(100, 100, 204 - 2 * border, 300);
    }
    QTest::newRow("width one under the limit")
        << 1.0 << 1 << 11 << QPoint(-200, 0) << QRect(100, 100, 202, 300);
    QTest::newRow("width at the limit")
        << 1.0 << 1 << 11 << QPoint(-198, 0) << QRect(100, 100, 203, 300);
    QTest::newRow("minimum height, border 0")
        << 1.0 << 0 << 15 << QPoint(0, -1000) << QRect(100, 100, 400, 154);
    QTest::newRow("minimum height, border 3")
        << 1.0 << 3 << 15 << QPoint(0, -1000) << QRect(100, 100, 400, 148);
    QTest::newRow("minimum height at 1.25")
        << 1.25 << 1 << 15 << QPoint(0, -1000) << QRect(100, 100, 400, 151);
    QTest::newRow("height just above it at 1.25")
        << 1.25 << 1 << 15 << QPoint(0, -149) << QRect(100, 100, 400, 152);
    QTest::newRow("minimum height at 1.25, border 2")
        << 1.25 << 2 << 12 << QPoint(0, 1000) << QRect(100, 251, 400, 149);
    QTest::newRow("minimum width at 1.25")
        << 1.25 << 1 << 16 << QPoint(1000, 0) << QRect(298, 100, 202, 301);
    QTest::newRow("code 0") << 1.0 << 1 << 0 << QPoint(50, 50) << QRect(0, 0, 202, 152);
    QTest::newRow("code 9") << 1.0 << 1 << 9 << QPoint(50, 50) << QRect(0, 0, 202, 152);
    QTest::newRow("code 18") << 1.0 << 1 << 18 << QPoint(50, 50) << QRect(0, 0, 202, 152);
    QTest::newRow("code -12") << 1.0 << 0 << -12 << QPoint(50, 50) << QRect(0, 0, 204, 154);
}

void TestTarnBaseDialogGeometry::windowRectKeepsOppositeEdgeAndMinimum()
{
    QFETCH(double, scale);
    QFETCH(int, border);
    QFETCH(int, code);
    QFETCH(QPoint, travel);
    QFETCH(QRect, result);
    gScale = scale;
    const Dialog dialog(border);
    QCOMPARE(dialog.caculateWindowRect(travel.x(), travel.y(), code, QRect(100, 100, 400, 300)),
             result);
}

void TestTarnBaseDialogGeometry::hitTestAndCursorFollowZones_data()
{
    QTest::addColumn<int>("border");
    QTest::addColumn<bool>("resizable");
    QTest::addColumn<bool>("fullScreen");
    QTest::addColumn<QList<int>>("directions");
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("code");
    const QList<int> all { 10, 11, 12, 15, 13, 14, 16, 17 };
    const QList<int> edges { 10, 11, 12, 15 };
    QTest::newRow("top-left") << 2 << true << false << all << QPoint(0, 0) << 13;
    QTest::newRow("left") << 2 << true << false << all << QPoint(1, 150) << 10;
    QTest::newRow("right") << 2 << true << false << all << QPoint(398, 150) << 11;
    QTest::newRow("top") << 2 << true << false << all << QPoint(200, 1) << 12;
    QTest::newRow("bottom") << 2 << true << false << all << QPoint(200, 298) << 15;
    QTest::newRow("top-right") << 2 << true << false << all << QPoint(399, 1) << 14;
    QTest::newRow("bottom-left") << 2 << true << false << all << QPoint(1, 298) << 16;
    QTest::newRow("bottom-right") << 2 << true << false << all << QPoint(398, 299) << 17;
    QTest::newRow("inside the zones") << 2 << true << false << all << QPoint(2, 2) << 0;
    QTest::newRow("top-left off") << 2 << true << false << edges << QPoint(0, 0) << 12;
    QTest::newRow("bottom-right off") << 2 << true << false << edges << QPoint(399, 299) << 15;
    QTest::newRow("bottom-left off") << 2 << true << false << edges << QPoint(0, 299) << 15;
    QTest::newRow("only a corner")
        << 2 << true << false << QList<int> { 13 } << QPoint(1, 150) << 0;
    QTest::newRow("none enabled") << 2 << true << false << QList<int>() << QPoint(0, 0) << 0;
    QTest::newRow("title in the way") << 0 << true << false << all << QPoint(200, 0) << 0;
    QTest::newRow("content in the way") << 1 << true << false << all << QPoint(1, 150) << 0;
    QTest::newRow("one-pixel border") << 1 << true << false << all << QPoint(0, 150) << 10;
    QTest::newRow("resize disabled") << 2 << false << false << all << QPoint(0, 0) << 0;
    QTest::newRow("full screen") << 2 << true << true << all << QPoint(0, 0) << 0;
}

void TestTarnBaseDialogGeometry::hitTestAndCursorFollowZones()
{
    QFETCH(int, border);
    QFETCH(bool, resizable);
    QFETCH(bool, fullScreen);
    QFETCH(QList<int>, directions);
    QFETCH(QPoint, pos);
    QFETCH(int, code);
    static const QHash<int, Qt::CursorShape> shapes {
        { 10, Qt::SizeHorCursor },   { 11, Qt::SizeHorCursor },   { 12, Qt::SizeVerCursor },
        { 13, Qt::SizeFDiagCursor }, { 14, Qt::SizeBDiagCursor }, { 15, Qt::SizeVerCursor },
        { 16, Qt::SizeBDiagCursor }, { 17, Qt::SizeFDiagCursor },
    };
    Dialog dialog(border, resizable);
    dialog.m_fullScreen = fullScreen;
    dialog.setEnableDirection(directions);
    QVERIFY(dialog.showAndWait());
    QMouseEvent event(QEvent::MouseMove, pos, dialog.mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QCOMPARE(dialog.winHitTest(&event), code);
    // QTest takes (0, 0) for the centre of the window.
    QCursor::setPos(dialog.mapToGlobal(pos));
    QTRY_COMPARE(dialog.cursor().shape(), shapes.value(code, Qt::ArrowCursor));
}

void TestTarnBaseDialogGeometry::dragMovesOrResizesUnlessMaximised_data()
{
    QTest::addColumn<bool>("resizable");
    QTest::addColumn<bool>("maximised");
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QRect>("result"); // null: unchanged
    QTest::addColumn<Qt::CursorShape>("cursor");
    // Border 2, (100, 100) 400 x 300; the title bar covers y 2 to 31.
    QTest::newRow("left edge") << true << false << QPoint(0, 150) << QPoint(-30, 157)
                               << QRect(69, 100, 431, 300) << Qt::SizeHorCursor;
    QTest::newRow("left edge, pointer over content")
        << true << false << QPoint(0, 150) << QPoint(30, 150) << QRect(129, 100, 371, 300)
        << Qt::SizeHorCursor;
    QTest::newRow("bottom-right") << true << false << QPoint(399, 299) << QPoint(389, 289)
                                  << QRect(100, 100, 391, 291) << Qt::SizeFDiagCursor;
    QTest::newRow("move by the title") << true << false << QPoint(200, 15) << QPoint(230, 35)
                                       << QRect(130, 120, 400, 300) << Qt::ArrowCursor;
    QTest::newRow("move by the content") << true << false << QPoint(200, 150) << QPoint(190, 140)
                                         << QRect(90, 90, 400, 300) << Qt::ArrowCursor;
    QTest::newRow("top edge by the title band")
        << true << false << QPoint(200, 3) << QPoint(205, -17) << QRect(100, 79, 400, 321)
        << Qt::SizeVerCursor;
    QTest::newRow("fixed size, by the title")
        << false << false << QPoint(200, 15) << QPoint(230, 35) << QRect(130, 120, 400, 300)
        << Qt::ArrowCursor;
    QTest::newRow("fixed size, by the frame") << false << false << QPoint(0, 150) << QPoint(30, 170)
                                              << QRect(130, 120, 400, 300) << Qt::ArrowCursor;
    QTest::newRow("fixed size, by the content")
        << false << false << QPoint(200, 150) << QPoint(230, 170) << QRect() << Qt::ArrowCursor;
    QTest::newRow("maximised, by the title")
        << true << true << QPoint(200, 15) << QPoint(230, 35) << QRect() << Qt::ArrowCursor;
    QTest::newRow("maximised, by the edge")
        << true << true << QPoint(0, 150) << QPoint(30, 170) << QRect() << Qt::SizeHorCursor;
}

void TestTarnBaseDialogGeometry::dragMovesOrResizesUnlessMaximised()
{
    QFETCH(bool, resizable);
    QFETCH(bool, maximised);
    QFETCH(QPoint, press);
    QFETCH(QPoint, to);
    QFETCH(QRect, result);
    QFETCH(Qt::CursorShape, cursor);
    Dialog dialog(2, resizable);
    QVERIFY(dialog.showAndWait());
    if (maximised) {
        dialog.m_maximizeEnabled = true;
        dialog.slotShowMaxRestore();
        QTRY_COMPARE(dialog.windowHandle()->geometry(), dialog.geometry());
    }
    const QRect before = dialog.geometry();
    QWidget *pressed = dialog.childAt(press) ? dialog.childAt(press) : &dialog;
    QTest::mousePress(dialog.windowHandle(), Qt::LeftButton, {}, press);
    const QPoint global = dialog.mapToGlobal(to);
    QTest::mouseMove(dialog.windowHandle(), to);
    QCOMPARE(pressed->cursor().shape(), cursor);
    // Released where the pointer stayed while the window moved under it.
    QTest::mouseRelease(dialog.windowHandle(), Qt::LeftButton, {}, dialog.mapFromGlobal(global));
    QCOMPARE(dialog.geometry(), result.isNull() ? before : result);
}

void TestTarnBaseDialogGeometry::maximiseRestoreNeedsBothFlags_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<bool>("resizable");
    QTest::addColumn<bool>("maximizeEnabled");
    QTest::addColumn<int>("y"); // of the double click; -1: click the maximise button
    QTest::addColumn<bool>("toggles");
    QTest::newRow("in the title band") << 1.0 << true << true << 1 << true;
    QTest::newRow("y 30") << 1.0 << true << true << 30 << true;
    QTest::newRow("y 31") << 1.0 << true << true << 31 << false;
    QTest::newRow("y 37 at 1.25") << 1.25 << true << true << 37 << true;
    QTest::newRow("y 38 at 1.25") << 1.25 << true << true << 38 << false;
    QTest::newRow("maximise disabled") << 1.0 << true << false << 10 << false;
    QTest::newRow("resize disabled") << 1.0 << false << true << 10 << false;
    QTest::newRow("button") << 1.0 << true << true << -1 << true;
    QTest::newRow("button, maximise disabled") << 1.0 << true << false << -1 << false;
    QTest::newRow("button, resize disabled") << 1.0 << false << true << -1 << false;
}

void TestTarnBaseDialogGeometry::maximiseRestoreNeedsBothFlags()
{
    QFETCH(double, scale);
    QFETCH(bool, resizable);
    QFETCH(bool, maximizeEnabled);
    QFETCH(int, y);
    QFETCH(bool, toggles);
    gScale = scale;
    Dialog dialog(0, resizable);
    dialog.m_maximizeEnabled = maximizeEnabled;
    dialog.m_maximizeButton->setVisible(y < 0);
    QVERIFY(dialog.showAndWait());
    if (y < 0)
        QTest::mouseClick(dialog.m_maximizeButton, Qt::LeftButton);
    else
        QTest::mouseDClick(dialog.windowHandle(), Qt::LeftButton, {}, QPoint(200, y));
    QCOMPARE(dialog.m_maximized, toggles);
    QCOMPARE(dialog.isMaximized(), toggles);
    QCOMPARE(dialog.m_restoreButton->isVisible(), toggles);
    QCOMPARE(dialog.m_maximizeButton->isVisible(), y < 0 && !toggles);
    if (!toggles)
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
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QRect>("referenceGeometry");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("pos");
    // One 800 x 600 screen.
    QTest::newRow("no reference, odd size")
        << "none" << QRect() << QSize(401, 301) << QPoint(199, 149);
    QTest::newRow("no reference, even size")
        << "none" << QRect() << QSize(400, 300) << QPoint(199, 149);
    QTest::newRow("over a dialog")
        << "dialog" << QRect(100, 50, 300, 200) << QSize(200, 100) << QPoint(149, 99);
    QTest::newRow("over a widget in a dialog")
        << "child" << QRect(100, 50, 300, 200) << QSize(200, 100) << QPoint(149, 99);
    QTest::newRow("a plain window is no reference")
        << "window" << QRect(100, 50, 300, 200) << QSize(200, 100) << QPoint(299, 249);
    QTest::newRow("over a dialog near the edge")
        << "dialog" << QRect(600, 50, 200, 200) << QSize(300, 100) << QPoint(0, 0);
    QTest::newRow("over a dialog off the screen")
        << "dialog" << QRect(2000, 2000, 300, 200) << QSize(200, 100) << QPoint(0, 0);
    QTest::newRow("wider than the screen") << "none" << QRect() << QSize(900, 500) << QPoint(0, 0);
    QTest::newRow("taller than the screen") << "none" << QRect() << QSize(300, 700) << QPoint(0, 0);
}

void TestTarnBaseDialogGeometry::centreOverDialogOrScreen()
{
    QFETCH(QString, reference);
    QFETCH(QRect, referenceGeometry);
    QFETCH(QSize, size);
    QFETCH(QPoint, pos);
    QDialog owner;
    QWidget window;
    auto *child = new QWidget(&owner);
    owner.setGeometry(referenceGeometry);
    window.setGeometry(referenceGeometry);
    const QHash<QString, QWidget *> references {
        { "none", nullptr }, { "dialog", &owner }, { "child", child }, { "window", &window }
    };
    TarnBaseDialog dialog(nullptr, QString(), 1);
    dialog.resize(size);
    dialog.center(references.value(reference));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.geometry(), QRect(pos, size));
}

void TestTarnBaseDialogGeometry::centredTopLeftFallsBackWhenTooLarge_data()
{
    QTest::addColumn<QPoint>("centre");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("large screen") << QPoint(959, 519) << QSize(401, 301) << QRect(0, 0, 1920, 1040)
                                  << QPoint(759, 369);
    QTest::newRow("second screen, too wide")
        << QPoint(2879, 519) << QSize(2000, 300) << QRect(1920, 0, 1920, 1040) << QPoint(1920, 0);
    QTest::newRow("touches the right edge")
        << QPoint(70, 70) << QSize(99, 100) << QRect(20, 20, 100, 100) << QPoint(21, 20);
    QTest::newRow("one pixel past it")
        << QPoint(71, 70) << QSize(99, 100) << QRect(20, 20, 100, 100) << QPoint(20, 20);
    QTest::newRow("negative centre")
        << QPoint(-1, -1) << QSize(3, 3) << QRect(-10, -10, 20, 20) << QPoint(-2, -2);
}

void TestTarnBaseDialogGeometry::centredTopLeftFallsBackWhenTooLarge()
{
    QFETCH(QPoint, centre);
    QFETCH(QSize, size);
    QFETCH(QRect, available);
    QFETCH(QPoint, topLeft);
    QCOMPARE(TarnUI::centredTopLeft(centre, size, available), topLeft);
}

QTEST_MAIN(TestTarnBaseDialogGeometry)
#include "tst_tarnbasedialog_geometry.moc"
