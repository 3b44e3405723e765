// SPDX-License-Identifier: LGPL-2.1-or-later
#include "autohidescrollviews.h"

#include <QScrollBar>
#include <QStandardItemModel>
#include <QTest>

#include <map>
#include <memory>

namespace {

const QPoint Nowhere(10, 10);

template<class View>
QAbstractItemView *makeModelView(int rows)
{
    auto *view = new View;
    auto *model = new QStandardItemModel(rows, 20, view);
    model->setData(model->index(0, 0), QString(200, QLatin1Char('w')));
    view->setModel(model);
    return view;
}

QAbstractItemView *makeListWidget(int rows)
{
    auto *view = new AutoHideScrollListWidget;
    for (int row = 0; row < rows; ++row)
        view->addItem(QString(200, QLatin1Char('w')));
    return view;
}

QAbstractItemView *makeTableWidget(int rows)
{
    auto *view = new AutoHideScrollTableWidget;
    view->setRowCount(rows);
    view->setColumnCount(20);
    return view;
}

// Every view gets the given number of rows and content wider than itself.
std::unique_ptr<QAbstractItemView> createView(const QByteArray &className, int rows)
{
    static const std::map<QByteArray, QAbstractItemView *(*)(int)> factories {
        { "AutoHideScrollListView", &makeModelView<AutoHideScrollListView> },
        { "AutoHideScrollTableView", &makeModelView<AutoHideScrollTableView> },
        { "AutoHideScrollListWidget", &makeListWidget },
        { "AutoHideScrollTableWidget", &makeTableWidget },
    };
    return std::unique_ptr<QAbstractItemView>(factories.at(className)(rows));
}

} // namespace

class TestAutoHideScrollViews : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void verticalBarOnlyBetweenEnterAndLeaveOrHide_data();
    void verticalBarOnlyBetweenEnterAndLeaveOrHide();
};

void TestAutoHideScrollViews::verticalBarOnlyBetweenEnterAndLeaveOrHide_data()
{
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<bool>("barShown");

    const struct
    {
        const char *name;
        int rows;
        const char *steps;
        bool hovered;
        bool barShown;
    } cases[] = {
        { "fresh", 50, "", false, false },
        { "entered", 50, "in", true, true },
        { "entered, content fits", 1, "in", true, false },
        { "left", 50, "in out", false, false },
        { "entered again", 50, "in out in", true, true },
        { "hidden while hovered, shown", 50, "in hide show", false, false },
        { "shown again, re-entered", 50, "in hide show out in", true, true },
        { "left while hidden, shown", 50, "in hide out show", false, false },
    };
    for (const char *className : { "AutoHideScrollListView", "AutoHideScrollTableView",
                                   "AutoHideScrollListWidget", "AutoHideScrollTableWidget" }) {
        for (const auto &row : cases)
            QTest::addRow("%s: %s", className, row.name)
                << QByteArray(className) << row.rows << QString::fromLatin1(row.steps)
                << row.hovered << row.barShown;
    }
}

void TestAutoHideScrollViews::verticalBarOnlyBetweenEnterAndLeaveOrHide()
{
    QFETCH(QByteArray, className);
    QFETCH(int, rows);
    QFETCH(QString, steps);
    QFETCH(bool, hovered);
    QFETCH(bool, barShown);

    QCursor::setPos(Nowhere);
    const std::unique_ptr<QAbstractItemView> view = createView(className, rows);
    QCOMPARE(view->metaObject()->className(), className.constData());
    view->setGeometry(100, 100, 200, 150);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    for (const QString &step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (step == QLatin1String("in") || step == QLatin1String("out"))
            QCursor::setPos(step == QLatin1String("in") ? view->geometry().center() : Nowhere);
        else
            view->setVisible(step == QLatin1String("show"));
        QCoreApplication::processEvents();
    }
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));

    QCOMPARE(view->verticalScrollBarPolicy(),
             hovered ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    QCOMPARE(view->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QTRY_COMPARE(view->verticalScrollBar()->isVisible(), barShown);
    QVERIFY(!view->horizontalScrollBar()->isVisible());
}

QTEST_MAIN(TestAutoHideScrollViews)
#include "tst_autohidescrollviews.moc"
