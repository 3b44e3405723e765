// SPDX-License-Identifier: LGPL-2.1-or-later
#include "autohidescrollviews.h"
#include "rotateanimlabel.h"
#include "tarnhovercontrols.h"

#include <QAbstractEventDispatcher>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using Factory = QWidget *(*)(QWidget *parent, std::unique_ptr<QSignalSpy> &hoverSpy);
Q_DECLARE_METATYPE(Factory)

// Pointer positions in the 120x60 control for the script letters "mcxyo": its middle, its last
// pixel, just right of and just below that, just above the control.
static const QPoint Points[] = { { 60, 30 }, { 119, 59 }, { 120, 59 }, { 119, 60 }, { 60, -1 } };

// Hover controls come with a spy on their signal; the combo box and the list widget with more
// and wider items than they can show.
template<class W>
static QWidget *make(QWidget *parent, std::unique_ptr<QSignalSpy> &hoverSpy)
{
    auto *widget = new W(parent);
    if constexpr (std::is_base_of_v<QComboBox, W> || std::is_base_of_v<QListWidget, W>)
        widget->addItems(QVector<QString>(50, QString(200, QLatin1Char('w'))).toList());
    if constexpr (!std::is_base_of_v<QAbstractItemView, W>)
        hoverSpy.reset(new QSignalSpy(widget, &W::sigMouseHoverEnterChanged));
    return widget;
}

// A white 40x40 image with a 4x4 red marker centred 14 pixels above the image's centre.
template<>
QWidget *make<RotateAnimLabel>(QWidget *parent, std::unique_ptr<QSignalSpy> &)
{
    static QTemporaryDir dir;
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(18, 4, 4, 4, Qt::red);
    image.save(dir.filePath(QStringLiteral("marker.png")));
    return new RotateAnimLabel(dir.filePath(QStringLiteral("marker.png")), parent);
}

// The hover signals (+ enter, - leave); a view's vertical bar policy and the bars it shows; the
// angles at which the label shows its marker, scaled to the label's 60-pixel height, or that it
// shows only its background.
static QString observe(QWidget *control, const QSignalSpy *hoverSpy)
{
    QString seen;
    for (int i = 0; hoverSpy && i < hoverSpy->count(); ++i)
        seen += QLatin1Char(hoverSpy->at(i).at(0).toBool() ? '+' : '-');
    if (auto *view = qobject_cast<QAbstractScrollArea *>(control)) {
        QDebug(&seen).nospace() << view->verticalScrollBarPolicy()
                                << (view->verticalScrollBar()->isVisible() ? " bar" : "")
                                << (view->horizontalScrollBar()->isVisible() ? " wide bar" : "");
    } else if (auto *label = qobject_cast<RotateAnimLabel *>(control)) {
        const QImage shot = label->grab().toImage();
        for (int degrees = 0; degrees < 360; degrees += 30) {
            const QPoint at = QTransform().translate(30, 30).rotate(degrees).map(QPoint(0, -21));
            if (qRed(shot.pixel(at)) > 200 && qGreen(shot.pixel(at)) < 60)
                seen += QString::number(degrees);
        }
        if (shot == shot.copy(0, 0, 1, 1).scaled(shot.size()))
            seen = QStringLiteral("nothing drawn");
    }
    return seen;
}

#define ROW(Class, tag, script, expected)                                                          \
    QTest::newRow(#Class ": " tag) << &make<Class> << QByteArray(script) << QStringLiteral(expected)

class TestControls : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void stateAfterScript_data()
    {
        QTest::addColumn<Factory>("make");
        // Pointer moves (see Points); k: a click, or closing the list if one is open; h: hide the
        // window; r, R, p: start the animation at one tick an hour or a millisecond, stop it; t, f:
        // a tick with the label's own timer id (the last one while stopped) and a foreign one.
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QString>("expected");

        ROW(TarnLineEdit, "in and out", "mo", "+-");
        ROW(TarnPushButton, "in and out", "mo", "+-");
        ROW(TarnComboBox, "covered last pixel", "mc", "+");
        ROW(TarnComboBox, "covered column after last", "mx", "+-");
        // Seen as the list closes, before any leave event the platform may send.
        ROW(TarnComboBox, "popup closed on last pixel", "mkck", "+");
        ROW(TarnComboBox, "popup closed just below", "mkyk", "+-");
        ROW(AutoHideScrollTableView, "entered", "m", "Qt::ScrollBarAsNeeded");
        ROW(AutoHideScrollListWidget, "entered, wide content", "m", "Qt::ScrollBarAsNeeded bar");
        ROW(AutoHideScrollListWidget, "fresh", "", "Qt::ScrollBarAlwaysOff");
        ROW(AutoHideScrollListWidget, "left", "mo", "Qt::ScrollBarAlwaysOff");
        ROW(AutoHideScrollListWidget, "hovered, hidden", "mh", "Qt::ScrollBarAlwaysOff");
        ROW(RotateAnimLabel, "thirteen ticks", "rttttttttttttt", "30");
        ROW(RotateAnimLabel, "foreign ids ignored", "rftff", "30");
        ROW(RotateAnimLabel, "old id ignored after stop, resumes on start", "rtpttrt", "60");
        ROW(RotateAnimLabel, "second start, other interval, ignored", "rRt", "30");
        QTest::newRow("RotateAnimLabel: unreadable path")
            << Factory([](QWidget *parent, std::unique_ptr<QSignalSpy> &) -> QWidget * {
                   return new RotateAnimLabel(QString(), parent);
               })
            << QByteArray("rt") << QStringLiteral("nothing drawn");
    }

    // Each control sits at (50, 50) in a window, under a sibling covering its bottom-right corner
    // and beyond, so the pointer can leave the control while still within its rectangle.
    void stateAfterScript()
    {
        QFETCH(Factory, make);
        QFETCH(QByteArray, script);
        QFETCH(QString, expected);

        QCursor::setPos(10, 10); // over no window
        std::unique_ptr<QSignalSpy> hoverSpy;
        QWidget window;
        window.setGeometry(100, 100, 300, 200);
        QWidget *control = make(&window, hoverSpy);
        control->setGeometry(50, 50, 120, 60);
        (new QWidget(&window))->setGeometry(160, 100, 20, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *label = qobject_cast<RotateAnimLabel *>(control);
        int ownTimer = 0;
        QList<QAbstractEventDispatcher::TimerInfo> timers;
        QString atClose;
        for (const char op : script) {
            const bool listOpen = qApp->activePopupWidget();
            QTimerEvent tick(op == 'f' ? ownTimer + 1 : ownTimer);
            if (op == 'k' && listOpen) {
                qobject_cast<QComboBox *>(control)->hidePopup();
                atClose = observe(control, hoverSpy.get());
            } else if (op == 'k')
                QTest::mouseClick(control, Qt::LeftButton);
            else if (op == 'h')
                window.hide();
            else if (op == 'r' || op == 'R')
                label->startAnimation(op == 'r' ? 3600 * 1000 : 1);
            else if (op == 'p')
                label->stopAnimation();
            else if (op == 't' || op == 'f')
                QCoreApplication::sendEvent(control, &tick);
            else
                QCursor::setPos(control->mapToGlobal(Points[QByteArray("mcxyo").indexOf(op)]));
            // A real server may merge pointer moves that are not handled one by one.
            if (QByteArray("mcxyo").contains(op) && !qApp->activePopupWidget())
                QTRY_COMPARE(control->underMouse(), op == 'm');
            QCoreApplication::processEvents();
            timers = QAbstractEventDispatcher::instance()->registeredTimers(control);
            ownTimer = timers.isEmpty() ? ownTimer : timers.first().timerId;
        }
        QCOMPARE(timers.isEmpty() ? 3600 * 1000 : timers.first().interval, 3600 * 1000);
        QTRY_VERIFY(!qApp->activePopupWidget());
        QTRY_COMPARE(atClose.isNull() ? observe(control, hoverSpy.get()) : atClose, expected);
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
