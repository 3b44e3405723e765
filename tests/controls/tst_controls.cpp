// SPDX-License-Identifier: LGPL-2.1-or-later
#include <TarnUILib/TarnUILib.h>

#include <QtTest>
#include <QtWidgets>

class TestControls : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The box sits at (50, 50) in a window, under a sibling covering its bottom-right corner and
    // beyond, so the pointer can leave it while still within its rectangle.
    void comboHoverEndsOnlyWithThePointerOutside()
    {
        QCursor::setPos(10, 10); // over no window
        QString hover; // + enter, - leave; outlives the box, which may report a leave as it goes
        QWidget window;
        window.setGeometry(100, 100, 300, 200);
        auto *combo = new TarnComboBox(&window);
        combo->setGeometry(50, 50, 120, 60);
        combo->addItem("item");
        (new QWidget(&window))->setGeometry(160, 100, 20, 20);
        connect(combo, &TarnComboBox::sigMouseHoverEnterChanged,
                [&hover](bool entered) { hover += QLatin1Char(entered ? '+' : '-'); });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // In, out below the last pixel, in again, then the last pixel under the sibling: still in.
        const QPoint in(60, 30);
        for (const QPoint at : { in, QPoint(119, 60), in, QPoint(119, 59) }) {
            QCursor::setPos(combo->mapToGlobal(at));
            // A real server may merge pointer moves that are not handled one by one.
            QTRY_COMPARE(combo->underMouse(), at == in);
        }
        QCOMPARE(hover, "+-+");
        combo->showPopup();
        QCursor::setPos(combo->mapToGlobal(QPoint(119, 60)));
        combo->hidePopup();
        QVERIFY(!qApp->activePopupWidget());
        QCOMPARE(hover, "+-+-"); // as the list closes, before any leave the platform may send
    }

    // Entered, a view shows its vertical bar as needed, never a horizontal one, however wide its
    // content; hidden while hovered, it comes back without.
    void viewShowsVerticalBarOnlyWhileHovered()
    {
        QCursor::setPos(10, 10);
        AutoHideScrollListWidget view;
        view.addItems(QVector<QString>(50, QString(200, QLatin1Char('w'))).toList());
        view.setGeometry(100, 100, 120, 60);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCursor::setPos(view.mapToGlobal(QPoint(60, 30)));
        QTRY_VERIFY(view.verticalScrollBar()->isVisible());
        QCOMPARE(view.verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
        QVERIFY(!view.horizontalScrollBar()->isVisible());
        view.hide();
        QCOMPARE(view.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }

    // Turns 30 degrees per tick of its own timer only, keeps its angle over a stop and over a new
    // image, and ignores a second start with another interval.
    void labelTurnsPerTickResumesAfterStop()
    {
        QTemporaryDir dir;
        QImage image(40, 40, QImage::Format_RGB32); // a red marker 14 pixels above the centre
        image.fill(Qt::white);
        QPainter(&image).fillRect(18, 4, 4, 4, Qt::red);
        QVERIFY(image.save(dir.filePath("marker.png")));
        RotateAnimLabel label(dir.filePath("marker.png"));
        label.resize(60, 60);
        auto *dispatcher = QAbstractEventDispatcher::instance();
        const auto tick = [&] {
            QTimerEvent event(dispatcher->registeredTimers(&label)[0].timerId);
            QCoreApplication::sendEvent(&label, &event);
        };
        label.startAnimation(3600 * 1000);
        tick();
        label.stopAnimation();
        label.startAnimation(3600 * 1000);
        label.startAnimation(1);
        tick();
        QTimerEvent foreign(dispatcher->registeredTimers(&label)[0].timerId + 1);
        QCoreApplication::sendEvent(&label, &foreign); // not its timer: no turn
        QCOMPARE(dispatcher->registeredTimers(&label)[0].interval, 3600 * 1000);
        // The marker, scaled to the label's height, turned by 60 degrees: red, of hue 0.
        const QPoint at = QTransform().translate(30, 30).rotate(60).map(QPoint(0, -21));
        QCOMPARE(label.grab().toImage().pixelColor(at).hue(), 0);

        // A form's label gets its image later: the new one is drawn at the angle reached.
        QPainter(&image).fillRect(18, 4, 4, 4, Qt::blue);
        QVERIFY(image.save(dir.filePath("blue.png")));
        label.setImagePath(dir.filePath("blue.png"));
        QCOMPARE(label.minimumSize(), image.size());
        QCOMPARE(label.grab().toImage().pixelColor(at).hue(), 240);
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
