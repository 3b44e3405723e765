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
    QTest::addColumn<QVariantList>("drag"); // empty: no drag signals
    QTest::addColumn<Qt::CursorShape>("cursor");
    const auto row = [](const char *name, bool draggable, Qt::MouseButton button, QPoint press,
                        QPoint move, QVariantList drag, Qt::CursorShape cursor) {
        QTest::newRow(name) << draggable << button << press << move << drag << cursor;
    };
    const Qt::MouseButton left = Qt::LeftButton;
    row("band, up and right", true, left, { 50, 1 }, { 54, -9 }, { 12, 4, -10 }, Qt::SizeVerCursor);
    row("band, pointer leaves it", true, left, { 50, 2 }, { 60, 25 }, { 12, 10, 23 },
        Qt::SizeVerCursor);
    row("below the band", true, left, { 50, 15 }, { 54, 1 }, {}, Qt::ArrowCursor);
    row("not draggable", false, left, { 50, 1 }, { 54, 1 }, {}, Qt::ArrowCursor);
    row("right button, hover in band", true, Qt::RightButton, { 50, 1 }, { 60, 1 }, {},
        Qt::SizeVerCursor);
}

void TestTarnTitleWidget::pressAndMoveSignalOnlyInTheBand()
{
    QFETCH(bool, draggable);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, press);
    QFETCH(QPoint, move);
    QFETCH(QVariantList, drag);
    QFETCH(Qt::CursorShape, cursor);
    QWidget window;
    window.setGeometry(100, 100, 300, 100);
    window.setMouseTracking(true);
    auto *title = new TarnTitleWidget(&window);
    title->setGeometry(0, 20, 200, 30);
    title->setDraggable(draggable);
    PassedOn passedOn;
    window.installEventFilter(&passedOn);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy begins(title, &TarnTitleWidget::sigDragBegin);
    QSignalSpy drags(title, &TarnTitleWidget::sigUpdateDragGeometory);
    QSignalSpy focus(title, &TarnTitleWidget::sigSetFocus);

    QTest::mousePress(window.windowHandle(), button, {}, press + title->pos());
    QTest::mouseMove(window.windowHandle(), move + title->pos());
    QCOMPARE(title->cursor().shape(), cursor);
    QTest::mouseRelease(window.windowHandle(), button, {}, move + title->pos());
    QCOMPARE(begins.count(), drag.isEmpty() ? 0 : 1);
    QCOMPARE(drags, drag.isEmpty() ? QList<QVariantList>() : QList<QVariantList> { drag });
    // A press that starts no drag reaches the window.
    QCOMPARE(passedOn.presses, drag.isEmpty() ? 1 : 0);
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
