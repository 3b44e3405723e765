// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnlib.h"
#include "tarnmsgbox.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace {
QLayout *layoutNamed(const QObject &box, const char *name)
{
    return box.findChild<QLayout *>(QLatin1String(name));
}

// A layout tree as text: widgets by object name, H(...)/V(...) for box layouts, ~N for a
// spacer of size N, *N after an item laid out with stretch N.
QString describe(QLayoutItem *item)
{
    if (QWidget *widget = item->widget())
        return widget->objectName() + (widget->layout() ? describe(widget->layout()) : QString());
    auto *box = qobject_cast<QBoxLayout *>(item->layout());
    if (!box)
        return QStringLiteral("~%1").arg(qMax(item->sizeHint().width(), item->sizeHint().height()));
    QStringList parts;
    for (int i = 0; i < box->count(); ++i)
        parts << describe(box->itemAt(i))
                + (box->stretch(i) ? QStringLiteral("*%1").arg(box->stretch(i)) : QString());
    return (box->inherits("QHBoxLayout") ? "H(" : "V(") + parts.join(' ') + ')';
}

// Runs the box and presses target from inside its loop. A box still open afterwards is
// ended with Accepted, which none of its own buttons returns.
int execAndClick(TarnMsgBox &box, QAbstractButton *target, bool *openAfterClick = nullptr)
{
    QTimer::singleShot(0, &box, [&box, target, openAfterClick] {
        QTest::mouseClick(target, Qt::LeftButton);
        if (openAfterClick)
            *openAfterClick = box.isVisible();
        if (box.isVisible())
            box.done(QDialog::Accepted);
    });
    return box.exec();
}
} // namespace

class TestTarnMsgBox : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_icon48;

private slots:
    void initTestCase()
    {
        m_icon48 = m_dir.filePath(QStringLiteral("icon48.png"));
        QImage image(48, 48, QImage::Format_ARGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(m_icon48));
    }
    void init() { gScale = 1.0; }

    void bodyTreeFollowsCallOrder_data()
    {
        QTest::addColumn<bool>("withExtras");
        QTest::addColumn<QString>("tree");
        const QString body =
            "V(msgbox-bodyH(H(msgbox-icon) msgbox-text-frameV(TarnLabelText_Regular_12 ";
        QTest::newRow("fresh box") << false << body + "V() H() ~0)) H())";
        QTest::newRow("extras interleaved") << true
                                            << body
                + "V(TarnLabelText_Regular_12 ~7 TarnLabelText_Regular_12) "
                  "H(TarnChkbox ~0*3 TarnChkbox) ~0)) H(TarnSmallBtn ~0*2 greenColorSmall))";
    }
    void bodyTreeFollowsCallOrder()
    {
        QFETCH(bool, withExtras);
        gScale = 1.5;
        TarnMsgBox box(QStringLiteral("T"), QStringLiteral("<a href=\"x\">确定</a>"));
        if (withExtras) {
            box.addButton(QStringLiteral("B"), false);
            box.addLabel(QStringLiteral("L"), false);
            box.addCheckbox(QStringLiteral("C"), false);
            box.addBtnStretch(2);
            box.addSecondaryTextSpacing(7);
            box.addChkboxStretch(3);
            box.addButton(QStringLiteral("G"), true);
            box.addLabel(QStringLiteral("L"), false);
            box.addCheckbox(QStringLiteral("C"), false);
        }
        QTEST(describe(box.findChild<QWidget *>(QStringLiteral("frame-content-widget"))->layout()),
              "tree");
        auto *text = box.findChild<QLabel *>(QStringLiteral("TarnLabelText_Regular_12"));
        QCOMPARE(text->text(), QStringLiteral("<a href=\"x\">确定</a>"));
        QVERIFY(text->openExternalLinks() && !text->wordWrap());
        QCOMPARE(text->alignment(), Qt::AlignCenter);
        QCOMPARE(box.clickedButton(), nullptr);
    }

    void sizesScaleByTruncation_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<QString>("frameIcon"); // empty: the three-argument constructor
        QTest::addColumn<int>("maximumWidth");
        QTest::addColumn<int>("margin");
        QTest::addColumn<int>("buttonSpacing");
        QTest::addColumn<int>("checkboxSpacing");
        QTest::addColumn<int>("buttonWidth");
        QTest::newRow("three arguments") << 1.0 << "" << QWIDGETSIZE_MAX << 30 << 20 << 10 << 80;
        QTest::newRow("empty frame icon") << 1.0 << "-" << 700 << 30 << 20 << 10 << 80;
        QTest::newRow("1.25") << 1.25 << "icon" << 875 << 37 << 25 << 12 << 100;
        QTest::newRow("1.5") << 1.5 << "icon" << 1050 << 45 << 30 << 15 << 120;
        QTest::newRow("three arguments at 1.5")
            << 1.5 << "" << QWIDGETSIZE_MAX << 45 << 30 << 15 << 120;
    }
    void sizesScaleByTruncation()
    {
        QFETCH(double, scale);
        QFETCH(QString, frameIcon);
        QFETCH(int, margin);
        QFETCH(int, buttonSpacing);
        gScale = scale;
        const QString path = frameIcon == QLatin1String("icon") ? m_icon48 : QString();
        auto box = frameIcon.isEmpty() ? std::make_unique<TarnMsgBox>("T", "")
                                       : std::make_unique<TarnMsgBox>(path, "T", "");
        QPushButton *left = box->addButton(QStringLiteral("A"), true);
        QPushButton *right = box->addButton(QStringLiteral("B"), false);
        gScale = 2.0; // a built box keeps its sizes
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        QTEST(box->maximumWidth(), "maximumWidth");
        bool framePixmap = false;
        for (QLabel *label :
             box->findChild<QWidget *>("frame-title-widget")->findChildren<QLabel *>())
            framePixmap = framePixmap || !label->pixmap(Qt::ReturnByValue).isNull();
        QCOMPARE(framePixmap, !path.isEmpty());
        QCOMPARE(layoutNamed(*box, "msgbox-button-row")->contentsMargins(),
                 QMargins(margin, 0, margin, margin));
        QCOMPARE(box->findChild<QWidget *>("msgbox-body")->layout()->contentsMargins(),
                 QMargins(margin, margin, margin, margin));
        QTEST(layoutNamed(*box, "msgbox-checkbox-row")->spacing(), "checkboxSpacing");
        QTEST(left->minimumWidth(), "buttonWidth");
        QTEST(right->minimumWidth(), "buttonWidth");
        QCOMPARE(left->x(), margin);
        QCOMPARE(right->x() - left->geometry().right() - 1, buttonSpacing);
        QCOMPARE(layoutNamed(*box, "msgbox-button-row")->itemAt(1)->alignment(), Qt::AlignCenter);
    }

    void clickedButtonReportsLastHandledClick_data()
    {
        QTest::addColumn<QList<int>>("runs"); // button pressed in each run, -1: title-bar close
        QTest::addColumn<int>("expected");
        QTest::newRow("first") << QList<int> { 0 } << 0;
        QTest::newRow("middle") << QList<int> { 1 } << 1;
        QTest::newRow("last") << QList<int> { 2 } << 2;
        QTest::newRow("title-bar close") << QList<int> { -1 } << -1;
        QTest::newRow("title-bar close keeps earlier click") << QList<int> { 1, -1 } << 1;
        QTest::newRow("later click overwrites") << QList<int> { 0, 2 } << 2;
    }
    void clickedButtonReportsLastHandledClick()
    {
        QFETCH(QList<int>, runs);
        QFETCH(int, expected);
        TarnMsgBox box(QStringLiteral("T"), QStringLiteral("M"));
        const QList<QAbstractButton *> buttons { box.addButton(QStringLiteral("0"), true),
                                                 box.addButton(QStringLiteral("1"), false),
                                                 box.addButton(QStringLiteral("2"), false) };
        auto *close = box.findChild<QToolButton *>(QStringLiteral("close-button"));
        for (int run : runs)
            QCOMPARE(execAndClick(box, run < 0 ? close : buttons.at(run)), int(QDialog::Rejected));
        QCOMPARE(box.clickedButton(), expected < 0 ? nullptr : buttons.at(expected));
    }

    void callbackButtonLeavesBoxOpen_data()
    {
        QTest::addColumn<bool>("withCallback");
        QTest::addColumn<bool>("callbackCloses");
        QTest::newRow("callback") << true << false;
        QTest::newRow("empty callback") << false << false;
        QTest::newRow("callback closes the box") << true << true;
    }
    void callbackButtonLeavesBoxOpen()
    {
        QFETCH(bool, withCallback);
        QFETCH(bool, callbackCloses);
        TarnMsgBox box(QStringLiteral("T"), QStringLiteral("M"));
        QPushButton *seenInside = nullptr;
        std::function<void()> callback;
        if (withCallback)
            callback = [&] {
                seenInside = box.clickedButton();
                if (callbackCloses)
                    box.close();
            };
        QPushButton *button = box.addButtonSlot(QStringLiteral("Apply"), callback, true);
        bool open = false;
        const int result = execAndClick(box, button, &open);
        QCOMPARE(open, !callbackCloses);
        QCOMPARE(result, int(callbackCloses ? QDialog::Rejected : QDialog::Accepted));
        QCOMPARE(box.clickedButton(), button);
        QCOMPARE(seenInside, withCallback ? button : nullptr);
    }

    void extrasTakeAlignmentAtCallTime_data()
    {
        QTest::addColumn<QStringList>("before"); // message icons set before the extras are added
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("extrasAlignment");
        QTest::addColumn<QSize>("iconSize");
        QTest::addColumn<int>("sideMargin");
        const QStringList none, icon { "icon48" };
        const int center = Qt::AlignCenter, left = Qt::AlignLeft;
        QTest::newRow("no icon") << none << none << center << QSize(0, 0) << 0;
        QTest::newRow("icon before, unscaled") << icon << none << left << QSize(48, 48) << 30;
        QTest::newRow("icon after") << none << icon << center << QSize(48, 48) << 30;
        QTest::newRow("unloadable icon")
            << QStringList { "/nonexistent/x.png" } << none << left << QSize(0, 0) << 30;
        QTest::newRow("icon then empty path")
            << QStringList { "icon48", "" } << none << center << QSize(0, 0) << 0;
    }
    void extrasTakeAlignmentAtCallTime()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(QSize, iconSize);
        QFETCH(int, sideMargin);
        gScale = 1.5;
        TarnMsgBox box(QStringLiteral("T"), QStringLiteral("M"));
        const auto apply = [&](const QStringList &paths) {
            for (const QString &path : paths)
                box.setMessageIcon(path == QLatin1String("icon48") ? m_icon48 : path);
        };
        apply(before);
        QLabel *label = box.addLabel(QStringLiteral("L"), true);
        QCheckBox *checkbox = box.addCheckbox(QStringLiteral("C"), true);
        apply(after);
        QTEST(int(layoutNamed(box, "msgbox-secondary-text")->itemAt(0)->alignment()),
              "extrasAlignment");
        QTEST(int(layoutNamed(box, "msgbox-checkbox-row")->itemAt(0)->alignment()),
              "extrasAlignment");
        QVERIFY(label->openExternalLinks() && checkbox->isChecked());
        auto *icon = box.findChild<QLabel *>(QStringLiteral("msgbox-icon"));
        QCOMPARE(icon->minimumSize(), iconSize);
        QCOMPARE(icon->maximumSize(), iconSize);
        const bool shown = !(before + after).isEmpty() && !(before + after).constLast().isEmpty();
        QCOMPARE(icon->isHidden(), !shown);
        QLayout *text = box.findChild<QWidget *>(QStringLiteral("msgbox-text-frame"))->layout();
        QCOMPARE(text->alignment(), shown ? Qt::AlignLeft : Qt::AlignCenter);
        QCOMPARE(text->contentsMargins(), QMargins(sideMargin, 0, sideMargin, 0));
    }
};

QTEST_MAIN(TestTarnMsgBox)
#include "tst_tarnmsgbox.moc"
