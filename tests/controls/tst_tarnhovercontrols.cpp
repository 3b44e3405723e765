// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnhovercontrols.h"

#include <QAbstractItemView>
#include <QSignalSpy>
#include <QTest>

namespace {

const QPoint Middle(60, 15);
const QPoint Nowhere(10, 10); // over no window

// A window with the 120x30 control at (50, 50) and, stacked above it, a sibling covering the
// control's bottom-right corner and beyond, so the pointer can leave the control while it
// is still within the control's rectangle.
template<class Control>
struct Scene
{
    Scene()
    {
        QCursor::setPos(Nowhere);
        window.setGeometry(100, 100, 300, 200);
        control->setGeometry(50, 50, 120, 30);
        cover->setGeometry(160, 70, 20, 20);
        window.show();
    }
    void pointAt(QPoint local)
    {
        QCursor::setPos(control->mapToGlobal(local));
        QCoreApplication::processEvents();
    }
    QList<bool> emitted() const
    {
        QList<bool> values;
        for (const QList<QVariant> &arguments : spy)
            values << arguments.at(0).toBool();
        return values;
    }

    QWidget window;
    Control *control = new Control(&window);
    QWidget *cover = new QWidget(&window);
    QSignalSpy spy { control, &Control::sigMouseHoverEnterChanged };
};

template<class Control>
void checkSignalsAlong(const QPolygon &path, const QList<bool> &expected)
{
    Scene<Control> scene;
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    for (const QPoint &point : path)
        scene.pointAt(point);
    QTRY_COMPARE(scene.emitted(), expected);
}

using PathCheck = void (*)(const QPolygon &, const QList<bool> &);

} // namespace

Q_DECLARE_METATYPE(PathCheck)

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
    QTest::addColumn<PathCheck>("check");
    QTest::addColumn<QPolygon>("path");
    QTest::addColumn<QList<bool>>("expected");

    const struct
    {
        const char *name;
        QVector<QPoint> path;
        QList<bool> expected;
    } cases[] = {
        { "out past right edge", { Middle, { 120, 15 } }, { true, false } },
        { "out past left edge", { Middle, { -1, 15 } }, { true, false } },
        { "out past top edge", { Middle, { 60, -1 } }, { true, false } },
        { "out of the window", { Middle, { -140, -140 } }, { true, false } },
        { "moves inside only", { Middle, { 0, 0 }, { 100, 5 } }, { true } },
        { "covered last pixel", { Middle, { 119, 29 } }, { true } },
        { "covered last column", { Middle, { 119, 25 } }, { true } },
        { "covered last row", { Middle, { 115, 29 } }, { true } },
        { "covered column after last", { Middle, { 120, 29 } }, { true, false } },
        { "covered row after last", { Middle, { 119, 30 } }, { true, false } },
        { "back from cover enters twice", { Middle, { 119, 29 }, Middle }, { true, true } },
        { "first over cover, then in", { { 119, 29 }, Middle }, { true } },
    };
    const std::pair<const char *, PathCheck> controls[] = {
        { "TarnComboBox", &checkSignalsAlong<TarnComboBox> },
        { "TarnLineEdit", &checkSignalsAlong<TarnLineEdit> },
        { "TarnCheckBox", &checkSignalsAlong<TarnCheckBox> },
        { "TarnLabel", &checkSignalsAlong<TarnLabel> },
        { "TarnPushButton", &checkSignalsAlong<TarnPushButton> },
    };
    for (const auto &control : controls) {
        for (const auto &row : cases)
            QTest::addRow("%s: %s", control.first, row.name)
                << control.second << QPolygon(row.path) << row.expected;
    }
}

void TestTarnHoverControls::leaveReportsOnlyWithPointerOutside()
{
    QFETCH(PathCheck, check);
    QFETCH(QPolygon, path);
    QFETCH(QList<bool>, expected);
    check(path, expected);
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

    Scene<TarnComboBox> scene;
    scene.control->addItems({ QStringLiteral("one"), QStringLiteral("two") });
    QVERIFY(QTest::qWaitForWindowExposed(&scene.window));
    scene.pointAt(Middle);
    QTest::mouseClick(scene.control, Qt::LeftButton);
    QWidget *popup = scene.control->view()->window();
    QTRY_VERIFY(popup->isVisible());

    scene.pointAt(closeAt);
    scene.spy.clear();
    const QPoint global = scene.control->mapToGlobal(closeAt);
    QTest::mouseClick(popup, Qt::LeftButton, {}, popup->mapFromGlobal(global));
    QTRY_VERIFY(!popup->isVisible());
    QCOMPARE(scene.emitted().count(false), falseCount);
}

QTEST_MAIN(TestTarnHoverControls)
#include "tst_tarnhovercontrols.moc"
