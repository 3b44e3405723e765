// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarntitlewidget.h"

#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(Qt::MouseButton)

namespace {
// Counts the presses that the title bar lets through to the window under it.
class PassedOn : public QObject
{
public:
    int presses = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        presses += event->type() == QEvent::MouseButtonPress;
        return false;
    }
};
} // namespace

class TestTarnTitleWidget : public QObject
{
    Q_OBJECT

private slots:
    void dragAreaIsTheTopThreeRows_data();
    void dragAreaIsTheTopThreeRows();
    void pressAndMoveSignalOnlyInTheBand_data();
    void pressAndMoveSignalOnlyInTheBand();
    void styleSheetPaintsTheBackground();
};

void TestTarnTitleWidget::dragAreaIsTheTopThreeRows_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<bool>("inside");
    QTest::newRow("top-left") << QPoint(0, 0) << true;
    QTest::newRow("last column, third row") << QPoint(199, 2) << true;
    QTest::newRow("middle") << QPoint(100, 1) << true;
    QTest::newRow("fourth row") << QPoint(100, 3) << false;
    QTest::newRow("past the right edge") << QPoint(200, 0) << false;
    QTest::newRow("above") << QPoint(100, -1) << false;
}

void TestTarnTitleWidget::dragAreaIsTheTopThreeRows()
{
    QFETCH(QPoint, pos);
    QFETCH(bool, inside);
    TarnTitleWidget title(nullptr);
    title.resize(200, 30);
    QCOMPARE(title.isDragAreaTriggered(pos), inside);
}

void TestTarnTitleWidget::pressAndMoveSignalOnlyInTheBand_data()
{
    QTest::addColumn<bool>("draggable");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("move");
    QTest::addColumn<QVariantList>("drag");
    QTest::addColumn<int>("passedOn");
    QTest::addColumn<Qt::CursorShape>("cursor");
    const QVariantList none;
    QTest::newRow("band, up and right") << true << Qt::LeftButton << QPoint(50, 1) << QPoint(54, -9)
                                        << QVariantList { 12, 4, -10 } << 0 << Qt::SizeVerCursor;
    QTest::newRow("band, pointer leaves it")
        << true << Qt::LeftButton << QPoint(50, 2) << QPoint(60, 25) << QVariantList { 12, 10, 23 }
        << 0 << Qt::SizeVerCursor;
    QTest::newRow("below the band") << true << Qt::LeftButton << QPoint(50, 15) << QPoint(54, 1)
                                    << none << 1 << Qt::ArrowCursor;
    QTest::newRow("not draggable") << false << Qt::LeftButton << QPoint(50, 1) << QPoint(54, 1)
                                   << none << 1 << Qt::ArrowCursor;
    QTest::newRow("right button, hover in band") << true << Qt::RightButton << QPoint(50, 1)
                                                 << QPoint(60, 1) << none << 1 << Qt::SizeVerCursor;
}

void TestTarnTitleWidget::pressAndMoveSignalOnlyInTheBand()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, press);
    QFETCH(QPoint, move);
    QFETCH(QVariantList, drag);
    QFETCH(bool, draggable);
    QFETCH(int, passedOn);
    QFETCH(Qt::CursorShape, cursor);
    QWidget window;
    window.setGeometry(100, 100, 300, 100);
    window.setMouseTracking(true);
    auto *title = new TarnTitleWidget(&window);
    title->setGeometry(0, 20, 200, 30);
    title->setDraggable(draggable);
    PassedOn recorder;
    window.installEventFilter(&recorder);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy begins(title, &TarnTitleWidget::sigDragBegin);
    QSignalSpy drags(title, &TarnTitleWidget::sigUpdateDragGeometory);
    QSignalSpy focus(title, &TarnTitleWidget::sigSetFocus);
    const QPoint offset = title->pos();

    QTest::mousePress(window.windowHandle(), button, {}, press + offset);
    QTest::mouseMove(window.windowHandle(), move + offset);
    QCOMPARE(title->cursor().shape(), cursor);
    QTest::mouseRelease(window.windowHandle(), button, {}, move + offset);
    QCOMPARE(begins.count(), drag.isEmpty() ? 0 : 1);
    QCOMPARE(drags.count(), drag.isEmpty() ? 0 : 1);
    if (!drag.isEmpty())
        QCOMPARE(drags.first(), drag);
    QCOMPARE(recorder.presses, passedOn);
    QCOMPARE(focus.count(), 1);
}

void TestTarnTitleWidget::styleSheetPaintsTheBackground()
{
    TarnTitleWidget title(nullptr);
    title.setObjectName(QStringLiteral("frame-title-widget"));
    title.setStyleSheet(QStringLiteral("#frame-title-widget { background: rgb(1, 2, 3); }"));
    title.resize(40, 30);
    QCOMPARE(title.grab().toImage().pixelColor(20, 15), QColor(1, 2, 3));
}

QTEST_MAIN(TestTarnTitleWidget)
#include "tst_tarntitlewidget.moc"
