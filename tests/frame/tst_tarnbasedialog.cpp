// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnbasedialog.h"
#include "tarninterface.h"
#include "tarnlib.h"
#include "tarntitlewidget.h"

#include <QBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QtTest>

namespace {
class Dialog : public TarnBaseDialog
{
public:
    using TarnBaseDialog::m_closeButton;
    using TarnBaseDialog::m_iconLabel;
    using TarnBaseDialog::m_maximizeButton;
    using TarnBaseDialog::m_minimizeButton;
    using TarnBaseDialog::m_restoreButton;
    using TarnBaseDialog::m_titleItems;
    using TarnBaseDialog::m_titleItemsLayout;
    using TarnBaseDialog::TarnBaseDialog;
};

QStringList names(const QList<QWidget *> &widgets)
{
    QStringList result;
    for (const QWidget *widget : widgets)
        result.append(widget->objectName());
    return result;
}

QList<QWidget *> layoutWidgets(const QLayout *layout)
{
    QList<QWidget *> result;
    for (int i = 0; i < layout->count(); ++i)
        result.append(layout->itemAt(i)->widget());
    return result;
}
} // namespace

class TestTarnBaseDialog : public QObject
{
    Q_OBJECT

private slots:
    void titleRowIsBuiltInOrderWithScaledSizes_data();
    void titleRowIsBuiltInOrderWithScaledSizes();
    void titleItemsFollowInsertsAndRemovals_data();
    void titleItemsFollowInsertsAndRemovals();
    void frameIconSizesTheLabel_data();
    void frameIconSizesTheLabel();
    void borderRingsArePaintedUnlessMaximised_data();
    void borderRingsArePaintedUnlessMaximised();
    void staysOnTopFollowsAndTellsTheEmulator_data();
    void staysOnTopFollowsAndTellsTheEmulator();
};

void TestTarnBaseDialog::titleRowIsBuiltInOrderWithScaledSizes_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<QVector<int>>("sizes"); // icon height, title height, spacings
    QTest::newRow("1.0") << 1.0 << QVector<int> { 20, 30, 5, 3 };
    QTest::newRow("1.25 truncates") << 1.25 << QVector<int> { 25, 37, 6, 3 };
    QTest::newRow("1.5") << 1.5 << QVector<int> { 30, 45, 7, 4 };
}

void TestTarnBaseDialog::titleRowIsBuiltInOrderWithScaledSizes()
{
    QFETCH(double, scale);
    QFETCH(QVector<int>, sizes);
    gScale = scale;
    Dialog dialog(nullptr, QStringLiteral("标题"), 1);
    dialog.show();
    QVERIFY(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
    auto *title = dialog.findChild<TarnTitleWidget *>(QStringLiteral("frame-title-widget"));
    QVERIFY(title && title->parentWidget() == &dialog);
    QCOMPARE(title->height(), sizes[1]);
    QCOMPARE(title->maximumHeight(), sizes[1]);
    auto *content = dialog.findChild<QWidget *>(QStringLiteral("frame-content-widget"));
    QVERIFY(content && content->parentWidget() == &dialog);
    QCOMPARE(content->focusPolicy(), Qt::StrongFocus);
    QCOMPARE(layoutWidgets(dialog.layout()), (QList<QWidget *> { title, content }));

    const QLayout *row = title->findChild<QHBoxLayout *>(QStringLiteral("title-layout"));
    QVERIFY(row && row->count() == 6);
    QCOMPARE(row->itemAt(0)->spacerItem()->sizeHint().width(), sizes[2]);
    QCOMPARE(row->itemAt(1)->widget(), dialog.m_iconLabel);
    QCOMPARE(dialog.m_iconLabel->height(), sizes[0]);
    QCOMPARE(row->itemAt(2)->spacerItem()->sizeHint().width(), sizes[3]);
    auto *titleLabel = qobject_cast<QLabel *>(row->itemAt(3)->widget());
    QVERIFY(titleLabel && titleLabel->objectName() == QLatin1String("titleLabel"));
    QCOMPARE(titleLabel->text(), QStringLiteral("标题"));
    QCOMPARE(row->itemAt(4)->spacerItem()->expandingDirections(), Qt::Horizontal);
    QCOMPARE(row->itemAt(5)->layout(), dialog.m_titleItemsLayout);
    QCOMPARE(
        names(layoutWidgets(dialog.m_titleItemsLayout)),
        QStringList({ "minimize-button", "maximize-button", "maximize-button", "close-button" }));
    const QList<QToolButton *> buttons { dialog.m_minimizeButton, dialog.m_maximizeButton,
                                         dialog.m_restoreButton, dialog.m_closeButton };
    const QStringList texts { "最小化", "最大化", "还原", "关闭" };
    for (int i = 0; i < buttons.size(); ++i) {
        QCOMPARE(buttons[i]->parentWidget(), title);
        QCOMPARE(buttons[i]->isVisible(), i == 3);
        QCOMPARE(buttons[i]->toolTip(), texts[i]);
        QCOMPARE(buttons[i]->accessibleName(), texts[i]);
    }
}

void TestTarnBaseDialog::titleItemsFollowInsertsAndRemovals_data()
{
    // Each step is "+item after" (after "-" for none) or "-item"; a, b are new buttons.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("front") << QStringList { "+a -" }
                           << QStringList { "a", "min", "max", "res", "close" };
    QTest::newRow("after close") << QStringList { "+a close" }
                                 << QStringList { "min", "max", "res", "close", "a" };
    QTest::newRow("after an item listed twice")
        << QStringList { "+b close", "+b -", "+a b" }
        << QStringList { "b", "a", "min", "max", "res", "close", "b", "a" };
    QTest::newRow("after itself") << QStringList { "+a -", "+a a" }
                                  << QStringList { "a", "a", "min", "max", "res", "close" };
    QTest::newRow("after one not listed")
        << QStringList { "+a b" } << QStringList { "min", "max", "res", "close" };
    QTest::newRow("null item") << QStringList { "+null close", "-null" }
                               << QStringList { "min", "max", "res", "close" };
    QTest::newRow("remove first of two") << QStringList { "+b close", "+b -", "-b" }
                                         << QStringList { "min", "max", "res", "close", "b" };
    QTest::newRow("remove a window button")
        << QStringList { "-max", "+a res" } << QStringList { "min", "res", "a", "close" };
    QTest::newRow("remove not listed")
        << QStringList { "-a" } << QStringList { "min", "max", "res", "close" };
}

void TestTarnBaseDialog::titleItemsFollowInsertsAndRemovals()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, items);
    Dialog dialog(nullptr, QString(), 0);
    QToolButton a;
    QToolButton b;
    const QHash<QString, QWidget *> widgets { { "a", &a },
                                              { "b", &b },
                                              { "min", dialog.m_minimizeButton },
                                              { "max", dialog.m_maximizeButton },
                                              { "res", dialog.m_restoreButton },
                                              { "close", dialog.m_closeButton } };
    for (const QString &step : steps) {
        const QStringList words = step.mid(1).split(' ');
        if (step.startsWith('+'))
            dialog.insertItemAfterItem(widgets.value(words[0]), widgets.value(words.value(1)));
        else
            dialog.removeTitleItem(widgets.value(words[0]));
    }
    QStringList actual;
    for (QWidget *item : qAsConst(dialog.m_titleItems))
        actual.append(widgets.key(item));
    QCOMPARE(actual, items);
    // The layout holds a widget once; one listed twice sits at its last place.
    QList<QWidget *> shown;
    for (QWidget *item : qAsConst(dialog.m_titleItems)) {
        shown.removeOne(item);
        shown.append(item);
    }
    QCOMPARE(layoutWidgets(dialog.m_titleItemsLayout), shown);
    // Inserted widgets are shown; one that found no place stays a child of the dialog.
    for (QToolButton *button : { &a, &b }) {
        if (!steps.join(' ').contains('+' + widgets.key(button) + ' '))
            continue;
        QVERIFY(!button->isHidden());
        QCOMPARE(button->parentWidget(),
                 dialog.m_titleItems.contains(button) ? dialog.m_titleItemsLayout->parentWidget()
                                                      : &dialog);
    }
}

void TestTarnBaseDialog::frameIconSizesTheLabel_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<QSize>("image"); // empty: no file
    QTest::addColumn<int>("extraWidth");
    QTest::addColumn<QSize>("pixmap");
    QTest::addColumn<int>("width");
    QTest::newRow("square") << 1.0 << QSize(64, 64) << 4 << QSize(20, 20) << 24;
    QTest::newRow("wide") << 1.0 << QSize(80, 40) << 0 << QSize(40, 20) << 40;
    QTest::newRow("square at 1.25") << 1.25 << QSize(64, 64) << 0 << QSize(25, 25) << 25;
    QTest::newRow("missing file") << 1.0 << QSize() << 3 << QSize(0, 0) << 9;
}

void TestTarnBaseDialog::frameIconSizesTheLabel()
{
    QFETCH(double, scale);
    QFETCH(QSize, image);
    QFETCH(QSize, pixmap);
    QFETCH(int, extraWidth);
    QFETCH(int, width);
    gScale = scale;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("icon.png"));
    if (!image.isEmpty()) {
        QImage picture(image, QImage::Format_ARGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(path));
    }
    Dialog dialog;
    dialog.setFrameIcon(path, extraWidth);
    QCOMPARE(dialog.m_iconLabel->pixmap(Qt::ReturnByValue).size(), pixmap);
    QCOMPARE(dialog.m_iconLabel->minimumWidth(), width);
    QCOMPARE(dialog.m_iconLabel->maximumWidth(), width);
}

void TestTarnBaseDialog::borderRingsArePaintedUnlessMaximised_data()
{
    QTest::addColumn<int>("border");
    QTest::addColumn<bool>("maximised");
    QTest::addColumn<int>("rings");
    for (int border = 0; border <= 3; ++border)
        QTest::addRow("border %d", border) << border << false << border;
    QTest::newRow("border 3, maximised") << 3 << true << 0;
}

void TestTarnBaseDialog::borderRingsArePaintedUnlessMaximised()
{
    QFETCH(int, border);
    QFETCH(int, rings);
    gScale = 1.0;
    Dialog dialog(nullptr, QString(), border);
    dialog.resize(120, 90);
    QFETCH(bool, maximised);
    if (maximised)
        dialog.showMaximized();
    const QImage image = dialog.grab().toImage();
    const int w = image.width();
    const int h = image.height();
    const QColor ring(0, 16, 13);
    // Each ring on all four sides, and nothing of the colour just inside the last one.
    for (int i = 0; i <= rings && i < 4; ++i) {
        const QList<QPoint> points { { i, h / 2 }, { w - 1 - i, h / 2 },
                                     { w / 2, i }, { w / 2, h - 1 - i },
                                     { i, i },     { w - 1 - i, h - 1 - i } };
        for (const QPoint &point : points)
            QCOMPARE(image.pixelColor(point) == ring, i < rings);
    }
}

void TestTarnBaseDialog::staysOnTopFollowsAndTellsTheEmulator_data()
{
    QTest::addColumn<bool>("on");
    QTest::newRow("on") << true;
    QTest::newRow("off again") << false;
}

void TestTarnBaseDialog::staysOnTopFollowsAndTellsTheEmulator()
{
    QFETCH(bool, on);
    TarnInterface facade;
    TarnInterface::mInstance = &facade;
    Dialog dialog;
    dialog.setStaysOnTop(!on);
    dialog.setStaysOnTop(on);
    QCOMPARE(dialog.isStaysOnTop(), on);
    QCOMPARE(facade.vmStayOnTop(), on);
    QCOMPARE(facade.vmStayOnTopCalls(), 2);
    TarnInterface::mInstance = nullptr;
}

QTEST_MAIN(TestTarnBaseDialog)
#include "tst_tarnbasedialog.moc"
