// SPDX-License-Identifier: LGPL-2.1-or-later
#include "rotateanimlabel.h"

#include <QAbstractEventDispatcher>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QtMath>

namespace {

// Never fires during a test: ticks are sent by hand.
const int Interval = 3600 * 1000;

// A white 40x40 image with an 8x8 red marker centred 14 pixels above the image's centre.
QString writeMarkerImage(const QTemporaryDir &dir)
{
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(16, 2, 8, 8, Qt::red);
    const QString path = dir.filePath(QStringLiteral("marker.png"));
    return image.save(path) ? path : QString();
}

bool isMarker(const QImage &image, QPointF point)
{
    const QRgb pixel = image.pixel(point.toPoint());
    return qRed(pixel) > 200 && qGreen(pixel) < 60;
}

QList<QAbstractEventDispatcher::TimerInfo> timersOf(QObject *object)
{
    return QAbstractEventDispatcher::instance()->registeredTimers(object);
}

} // namespace

class TestRotateAnimLabel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(!(m_imagePath = writeMarkerImage(m_dir)).isEmpty()); }
    void turnsOnlyOnOwnTicks_data();
    void turnsOnlyOnOwnTicks();
    void secondStartKeepsRunningTimer_data();
    void secondStartKeepsRunningTimer();
    void unreadablePathDrawsNothing_data();
    void unreadablePathDrawsNothing();

private:
    QTemporaryDir m_dir;
    QString m_imagePath;
};

void TestRotateAnimLabel::turnsOnlyOnOwnTicks_data()
{
    QTest::addColumn<QSize>("labelSize");
    // t: tick with the label's timer id (the last one while stopped), f: a foreign id,
    // s: stopAnimation, r: startAnimation. The animation is started first.
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("degrees");

    QTest::newRow("upright before any tick") << QSize(40, 40) << "" << 0;
    QTest::newRow("one tick") << QSize(40, 40) << "t" << 30;
    QTest::newRow("three ticks, quarter turn") << QSize(40, 40) << "ttt" << 90;
    QTest::newRow("seven ticks") << QSize(40, 40) << "ttttttt" << 210;
    QTest::newRow("twelve ticks, full turn") << QSize(40, 40) << "tttttttttttt" << 360;
    QTest::newRow("thirteen ticks") << QSize(40, 40) << "ttttttttttttt" << 390;
    QTest::newRow("foreign ids ignored") << QSize(40, 40) << "ftff" << 30;
    QTest::newRow("old id ignored after stop") << QSize(40, 40) << "tstt" << 30;
    QTest::newRow("resumes after stop and start") << QSize(40, 40) << "ttsrt" << 90;
    QTest::newRow("taller label scales image up") << QSize(80, 80) << "ttt" << 90;
    QTest::newRow("wider label keeps image at left") << QSize(120, 40) << "" << 0;
    QTest::newRow("wider label turns about image") << QSize(120, 40) << "ttt" << 90;
}

void TestRotateAnimLabel::turnsOnlyOnOwnTicks()
{
    QFETCH(QSize, labelSize);
    QFETCH(QString, script);
    QFETCH(int, degrees);

    RotateAnimLabel label(m_imagePath);
    QCOMPARE(label.minimumSize(), QSize(40, 40));
    label.resize(labelSize);
    label.startAnimation(Interval);
    int ownId = timersOf(&label).at(0).timerId;
    for (const QChar op : script) {
        if (op == QLatin1Char('s')) {
            label.stopAnimation();
        } else if (op == QLatin1Char('r')) {
            label.startAnimation(Interval);
            ownId = timersOf(&label).at(0).timerId;
        } else {
            QTimerEvent tick(op == QLatin1Char('f') ? ownId + 1 : ownId);
            QCoreApplication::sendEvent(&label, &tick);
        }
    }

    const QImage shot = label.grab().toImage();
    const qreal scale = labelSize.height() / 40.0;
    const QPointF centre(20 * scale, 20 * scale);
    const qreal radians = qDegreesToRadians(qreal(degrees));
    const QPointF upright = centre + QPointF(0, -14 * scale);
    QVERIFY(isMarker(shot, centre + QPointF(qSin(radians), -qCos(radians)) * 14 * scale));
    QCOMPARE(isMarker(shot, upright), degrees % 360 == 0);
}

void TestRotateAnimLabel::secondStartKeepsRunningTimer_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("interval");

    QTest::newRow("started") << "r1000" << 1000;
    QTest::newRow("second start ignored") << "r1000 r5000" << 1000;
    QTest::newRow("stopped") << "r1000 s" << 0;
    QTest::newRow("restarted with new interval") << "r1000 s r5000" << 5000;
    QTest::newRow("stop before any start") << "s" << 0;
}

void TestRotateAnimLabel::secondStartKeepsRunningTimer()
{
    QFETCH(QString, script);
    QFETCH(int, interval);

    RotateAnimLabel label(m_imagePath);
    for (const QString &op : script.split(QLatin1Char(' '))) {
        if (op.startsWith(QLatin1Char('r')))
            label.startAnimation(op.mid(1).toInt());
        else
            label.stopAnimation();
    }
    const auto timers = timersOf(&label);
    QCOMPARE(timers.size(), interval ? 1 : 0);
    if (interval) {
        QCOMPARE(timers.at(0).interval, interval);
        QCOMPARE(timers.at(0).timerType, Qt::CoarseTimer);
    }
}

void TestRotateAnimLabel::unreadablePathDrawsNothing_data()
{
    QTest::addColumn<QString>("path");

    QTest::newRow("empty path") << QString();
    QTest::newRow("missing file") << m_dir.filePath(QStringLiteral("missing.png"));
    QTest::newRow("directory") << m_dir.path();
    QTest::newRow("not an image") << QCoreApplication::applicationFilePath();
}

void TestRotateAnimLabel::unreadablePathDrawsNothing()
{
    QFETCH(QString, path);

    RotateAnimLabel label(path);
    QCOMPARE(label.minimumSize(), QSize(0, 0));
    label.resize(40, 40);
    label.startAnimation(Interval);
    QTimerEvent tick(timersOf(&label).at(0).timerId);
    QCoreApplication::sendEvent(&label, &tick);
    const QImage shot = label.grab().toImage();
    QImage blank(shot.size(), shot.format());
    blank.fill(label.palette().color(QPalette::Window));
    QCOMPARE(shot, blank);
}

QTEST_MAIN(TestRotateAnimLabel)
#include "tst_rotateanimlabel.moc"
