// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnhovercontrols.h"

#include <QAbstractItemView>
#include <QSignalSpy>
#include <QTest>

#include <map>
#include <memory>

namespace {

const QSize ControlSize(120, 30);
const QPoint Middle(60, 15);
// Global point over no window at all.
const QPoint Nowhere(10, 10);

struct HoverControl
{
    QWidget *widget;
    std::unique_ptr<QSignalSpy> spy;
};

template<class Control>
HoverControl makeControl(QWidget *parent)
{
    auto *control = new Control(parent);
    return { control, std::make_unique<QSignalSpy>(control, &Control::sigMouseHoverEnterChanged) };
}

HoverControl createControl(const QByteArray &className, QWidget *parent)
{
    static const std::map<QByteArray, HoverControl (*)(QWidget *)> factories {
        { "TarnComboBox", &makeControl<TarnComboBox> },
        { "TarnLineEdit", &makeControl<TarnLineEdit> },
        { "TarnCheckBox", &makeControl<TarnCheckBox> },
        { "TarnLabel", &makeControl<TarnLabel> },
        { "TarnPushButton", &makeControl<TarnPushButton> },
    };
    return factories.at(className)(parent);
}

QPolygon path(std::initializer_list<QPoint> points)
{
    return QPolygon(QVector<QPoint>(points));
}

QList<bool> emitted(const QSignalSpy &spy)
{
    QList<bool> values;
    for (const QList<QVariant> &arguments : spy)
        values << arguments.at(0).toBool();
    return values;
}

// A window with the control at (50, 50) and, stacked above it, a sibling covering the
// control's bottom-right corner from 10 pixels inside to 10 pixels outside, so the pointer
// can leave the control while it is still within the control's rectangle.
struct HoverScene
{
    explicit HoverScene(const QByteArray &className)
        : control(createControl(className, &window))
    {
        QCursor::setPos(Nowhere);
        window.setGeometry(100, 100, 300, 200);
        control.widget->setGeometry(QRect(QPoint(50, 50), ControlSize));
        const QPoint corner = control.widget->geometry().bottomRight();
        overlay->setGeometry(QRect(corner - QPoint(9, 9), corner + QPoint(11, 11)));
        window.show();
    }
    void pointAt(QPoint local)
    {
        QCursor::setPos(control.widget->mapToGlobal(local));
        QCoreApplication::processEvents();
    }

    QWidget window;
    HoverControl control;
    QWidget *overlay = new QWidget(&window);
};

const QByteArray HoverClasses[] = { "TarnComboBox", "TarnLineEdit", "TarnCheckBox", "TarnLabel",
                                    "TarnPushButton" };

} // namespace

class TestTarnHoverControls : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void leaveReportsOnlyWithPointerOutside_data();
    void leaveReportsOnlyWithPointerOutside();
    void comboPopupCloseReportsOnlyWithPointerAway_data();
    void comboPopupCloseReportsOnlyWithPointerAway();
};

void TestTarnHoverControls::leaveReportsOnlyWithPointerOutside_data()
{
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<QPolygon>("pointerPath");
    QTest::addColumn<QList<bool>>("expected");

    const int w = ControlSize.width();
    const int h = ControlSize.height();
    const struct
    {
        const char *name;
        QPolygon pointerPath;
        QList<bool> expected;
    } cases[] = {
        { "out past right edge", path({ Middle, { w, 15 } }), { true, false } },
        { "out past left edge", path({ Middle, { -1, 15 } }), { true, false } },
        { "out past top edge", path({ Middle, { 60, -1 } }), { true, false } },
        { "out of the window", path({ Middle, { -140, -140 } }), { true, false } },
        { "moves inside only", path({ Middle, { 0, 0 }, { 100, 5 } }), { true } },
        { "covered last pixel", path({ Middle, { w - 1, h - 1 } }), { true } },
        { "covered last column", path({ Middle, { w - 1, h - 5 } }), { true } },
        { "covered last row", path({ Middle, { w - 5, h - 1 } }), { true } },
        { "covered column after last", path({ Middle, { w, h - 1 } }), { true, false } },
        { "covered row after last", path({ Middle, { w - 1, h } }), { true, false } },
        { "back from cover enters twice",
          path({ Middle, { w - 1, h - 1 }, Middle }),
          { true, true } },
        { "first over cover, then in", path({ { w - 1, h - 1 }, Middle }), { true } },
    };
    for (const QByteArray &className : HoverClasses) {
        for (const auto &row : cases)
            QTest::addRow("%s: %s", className.constData(), row.name)
                << className << row.pointerPath << row.expected;
    }
}

void TestTarnHoverControls::leaveReportsOnlyWithPointerOutside()
{
    QFETCH(QByteArray, className);
    QFETCH(QPolygon, pointerPath);
    QFETCH(QList<bool>, expected);

    HoverScene scene(className);
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    QCOMPARE(scene.control.widget->metaObject()->className(), className.constData());
    for (const QPoint &point : pointerPath)
        scene.pointAt(point);
    QTRY_COMPARE(emitted(*scene.control.spy), expected);
}

void TestTarnHoverControls::comboPopupCloseReportsOnlyWithPointerAway_data()
{
    QTest::addColumn<QPoint>("closeAt");
    QTest::addColumn<int>("falseCount");

    QTest::newRow("click on the box") << Middle << 0;
    QTest::newRow("click on its last pixel") << QPoint(119, 29) << 0;
    QTest::newRow("click just right of it") << QPoint(120, 29) << 1;
    QTest::newRow("click just below it") << QPoint(119, 30) << 1;
    QTest::newRow("click far away") << QPoint(200, 120) << 1;
}

void TestTarnHoverControls::comboPopupCloseReportsOnlyWithPointerAway()
{
    QFETCH(QPoint, closeAt);
    QFETCH(int, falseCount);

    HoverScene scene("TarnComboBox");
    auto *combo = static_cast<TarnComboBox *>(scene.control.widget);
    combo->addItems({ QStringLiteral("one"), QStringLiteral("two") });
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    scene.pointAt(Middle);
    QTest::mouseClick(combo, Qt::LeftButton);
    QWidget *popup = combo->view()->window();
    QTRY_VERIFY(popup->isVisible());

    scene.pointAt(closeAt);
    scene.control.spy->clear();
    const QPoint global = combo->mapToGlobal(closeAt);
    QTest::mouseClick(popup, Qt::LeftButton, {}, popup->mapFromGlobal(global));
    QTRY_VERIFY(!popup->isVisible());
    QCOMPARE(emitted(*scene.control.spy).count(false), falseCount);
}

QTEST_MAIN(TestTarnHoverControls)
#include "tst_tarnhovercontrols.moc"
