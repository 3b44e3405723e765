// SPDX-License-Identifier: LGPL-2.1-or-later
#include <TarnUILib/TarnUILib.h>

#include <QtTest>
#include <QtWidgets>

class TestControls : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Turns 30 degrees per tick of its own timer only, repainted after each, keeps its angle over
    // a stop and over a new image, and ignores a second start with another interval. Smooth and
    // antialiased: pinks where the red marker meets white, greys where the image's edge meets
    // the background.
    void labelTurnsPerTickResumesAfterStop()
    {
        struct Label : RotateAnimLabel
        {
            using RotateAnimLabel::RotateAnimLabel;
            int paints = 0;
            void paintEvent(QPaintEvent *event) override
            {
                ++paints, RotateAnimLabel::paintEvent(event);
            }
        };
        QTemporaryDir dir;
        QImage image(40, 40, QImage::Format_RGB32); // a red marker 14 pixels above the centre
        image.fill(Qt::white);
        QPainter(&image).fillRect(18, 4, 4, 4, Qt::red);
        QVERIFY(image.save(dir.filePath("marker.png")));
        Label label(dir.filePath("marker.png"));
        QCOMPARE(label.minimumSize(), QSize(40, 40));
        label.show();
        QVERIFY(QTest::qWaitForWindowExposed(&label));
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
        QCOMPARE(dispatcher->registeredTimers(&label).size(), 1);
        QCOMPARE(dispatcher->registeredTimers(&label)[0].interval, 3600 * 1000);
        int paints = label.paints;
        tick();
        QTRY_VERIFY(label.paints > paints);
        QTimerEvent foreign(dispatcher->registeredTimers(&label)[0].timerId + 1);
        QCoreApplication::sendEvent(&label, &foreign); // not its timer: no turn
        // The marker turned by 60 degrees: red, of hue 0.
        const QPoint at = QTransform().translate(20, 20).rotate(60).map(QPoint(0, -14));
        const QImage turned = label.grab().toImage();
        QCOMPARE(turned.pixelColor(at).hue(), 0);
        int pinks = 0, greys = 0;
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 40; ++x) {
                const QColor c = turned.pixelColor(x, y);
                pinks += c.red() == 255 && c.green() > 20 && c.green() < 235;
                greys += c.red() == c.blue() && c.red() > 240 && c.red() < 254;
            }
        }
        QVERIFY(pinks > 0 && greys > 0);

        // A form's label gets its image later, scaled to its height: drawn at the angle reached.
        QImage half(20, 20, QImage::Format_RGB32);
        half.fill(Qt::white);
        QPainter(&half).fillRect(9, 2, 2, 2, Qt::blue);
        QVERIFY(half.save(dir.filePath("blue.png")));
        paints = label.paints;
        label.setImagePath(dir.filePath("blue.png"));
        QTRY_VERIFY(label.paints > paints);
        QCOMPARE(label.minimumSize(), half.size());
        QCOMPARE(label.grab().toImage().pixelColor(at).hue(), 240);
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
