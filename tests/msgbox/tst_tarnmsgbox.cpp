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

// A layout tree as text: widgets by object name; box layouts as H or V with their margins
// and spacing, [left,top,right,bottom;spacing], then their items; ~N for a spacer of size N;
// *N after an item laid out with stretch N, @X with alignment X (hexadecimal).
QString describe(QLayoutItem *item)
{
    if (QWidget *widget = item->widget())
        return widget->objectName() + (widget->layout() ? describe(widget->layout()) : QString());
    auto *box = qobject_cast<QBoxLayout *>(item->layout());
    if (!box)
        return QStringLiteral("~%1").arg(qMax(item->sizeHint().width(), item->sizeHint().height()));
    const QMargins m = box->contentsMargins();
    QStringList parts;
    for (int i = 0; i < box->count(); ++i)
        parts << describe(box->itemAt(i))
                + (box->stretch(i) ? QStringLiteral("*%1").arg(box->stretch(i)) : QString())
                + (box->itemAt(i)->alignment()
                       ? QStringLiteral("@%1").arg(box->itemAt(i)->alignment(), 0, 16)
                       : QString());
    return QString::asprintf("%c[%d,%d,%d,%d;%d](", box->inherits("QHBoxLayout") ? 'H' : 'V',
                             m.left(), m.top(), m.right(), m.bottom(), box->spacing())
        + parts.join(' ') + ')';
}

// Runs the box and presses target from inside its loop. A box still open afterwards is
// ended with Accepted, which none of its own buttons returns.
int execAndClick(TarnMsgBox &box, QAbstractButton *target)
{
    QTimer::singleShot(0, &box, [&box, target] {
        QTest::mouseClick(target, Qt::LeftButton);
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

    void bodyAtScale_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<QString>("frameIcon"); // null: the three-argument constructor
        QTest::addColumn<bool>("withExtras");
        QTest::addColumn<int>("maximumWidth");
        QTest::addColumn<QStringList>("sizes"); // margin, button spacing, check-box spacing
        QTest::addColumn<int>("buttonWidth");
        const QString none, empty(""), icon("icon");
        const int unlimited = QWIDGETSIZE_MAX;
        const QStringList at1 { "30", "20", "10" }, at125 { "37", "25", "12" },
            at15 { "45", "30", "15" };
        QTest::newRow("three arguments") << 1.0 << none << false << unlimited << at1 << 80;
        QTest::newRow("empty frame icon") << 1.0 << empty << false << 700 << at1 << 80;
        QTest::newRow("1.25") << 1.25 << icon << true << 875 << at125 << 100;
        QTest::newRow("1.5") << 1.5 << icon << true << 1050 << at15 << 120;
        QTest::newRow("three arguments at 1.5") << 1.5 << none << true << unlimited << at15 << 120;
    }
    void bodyAtScale()
    {
        QFETCH(double, scale);
        QFETCH(QString, frameIcon);
        QFETCH(bool, withExtras);
        QFETCH(QStringList, sizes);
        QFETCH(int, buttonWidth);
        gScale = scale;
        const QString path = frameIcon.isEmpty() ? frameIcon : m_icon48;
        const QString message = QStringLiteral("<a href=\"x\">确定</a>");
        auto box = frameIcon.isNull() ? std::make_unique<TarnMsgBox>("T", message)
                                      : std::make_unique<TarnMsgBox>(path, "T", message);
        QPushButton *left = box->addButton(QStringLiteral("B"), false);
        box->addBtnStretch(2);
        if (withExtras) {
            box->addLabel(QStringLiteral("L"), false);
            box->addCheckbox(QStringLiteral("C"), false);
            box->addSecondaryTextSpacing(7);
            box->addChkboxStretch(3);
            box->addLabel(QStringLiteral("L"), false);
            box->addCheckbox(QStringLiteral("C"), false);
        }
        QPushButton *right = box->addButton(QStringLiteral("G"), true);
        gScale = 2.0; // only the scale at build time counts
        const QString label = QStringLiteral("TarnLabelText_Regular_12");
        const QStringList extras = withExtras
            ? QStringList { label + "@84 ~7 " + label + "@84", "TarnChkbox@84 ~0*3 TarnChkbox@84" }
            : QStringList { "", "" };
        auto *content = box->findChild<QWidget *>(QStringLiteral("frame-content-widget"));
        QCOMPARE(
            describe(content->layout()),
            QStringLiteral("V[0,0,0,0;0](msgbox-bodyH[%1,%1,%1,%1;0](H[0,0,0,0;0](msgbox-icon) "
                           "msgbox-text-frameV[0,0,0,0;0](%4 V[0,0,0,0;0](%5) H[0,0,0,0;%3](%6) "
                           "~0)) H[%1,0,%1,%1;%2](TarnSmallBtn@84 ~0*2 greenColorSmall@84))")
                .arg(sizes[0], sizes[1], sizes[2], label, extras[0], extras[1]));
        auto *text = box->findChild<QLabel *>(label);
        QCOMPARE(text->text(), message);
        QVERIFY(text->openExternalLinks() && !text->wordWrap());
        QCOMPARE(text->alignment(), Qt::AlignCenter);
        QTEST(box->maximumWidth(), "maximumWidth");
        bool framePixmap = false;
        for (QLabel *label :
             box->findChild<QWidget *>("frame-title-widget")->findChildren<QLabel *>())
            framePixmap = framePixmap || !label->pixmap(Qt::ReturnByValue).isNull();
        QCOMPARE(framePixmap, !path.isEmpty());
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        QCOMPARE(left->minimumWidth(), buttonWidth);
        QCOMPARE(right->minimumWidth(), buttonWidth);
        QCOMPARE(left->x(), sizes[0].toInt());
        QCOMPARE(right->geometry().right(), content->width() - 1 - sizes[0].toInt());
        QCOMPARE(box->clickedButton(), nullptr);
    }

    void clickedButtonReportsLastHandledClick_data()
    {
        // Buttons 0-2 close the box; 3 runs a callback, 4 an empty one, 5 one that closes.
        QTest::addColumn<QList<int>>("runs"); // button pressed in each run, -1: title-bar close
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("result"); // of the last run; Accepted: left open by the click
        QTest::addColumn<int>("seenInCallback");
        const int rejected = QDialog::Rejected, accepted = QDialog::Accepted;
        QTest::newRow("first") << QList<int> { 0 } << 0 << rejected << -1;
        QTest::newRow("middle") << QList<int> { 1 } << 1 << rejected << -1;
        QTest::newRow("last") << QList<int> { 2 } << 2 << rejected << -1;
        QTest::newRow("title-bar close") << QList<int> { -1 } << -1 << rejected << -1;
        QTest::newRow("title-bar close keeps earlier")
            << QList<int> { 1, -1 } << 1 << rejected << -1;
        QTest::newRow("later click overwrites") << QList<int> { 0, 2 } << 2 << rejected << -1;
        QTest::newRow("callback keeps box open") << QList<int> { 3 } << 3 << accepted << 3;
        QTest::newRow("empty callback") << QList<int> { 4 } << 4 << accepted << -1;
        QTest::newRow("callback closes the box") << QList<int> { 5 } << 5 << rejected << 5;
        QTest::newRow("title-bar close after callback")
            << QList<int> { 3, -1 } << 3 << rejected << 3;
    }
    void clickedButtonReportsLastHandledClick()
    {
        QFETCH(QList<int>, runs);
        QFETCH(int, expected);
        QFETCH(int, seenInCallback);
        TarnMsgBox box(QStringLiteral("T"), QStringLiteral("M"));
        QPushButton *seen = nullptr;
        const QList<QAbstractButton *> buttons {
            box.addButton(QStringLiteral("0"), true),
            box.addButton(QStringLiteral("1"), false),
            box.addButton(QStringLiteral("2"), false),
            box.addButtonSlot(
                QStringLiteral("3"), [&] { seen = box.clickedButton(); }, true),
            box.addButtonSlot(QStringLiteral("4"), {}, false),
            box.addButtonSlot(
                QStringLiteral("5"),
                [&] {
                    seen = box.clickedButton();
                    box.close();
                },
                false),
        };
        auto *close = box.findChild<QToolButton *>(QStringLiteral("close-button"));
        int result = -1;
        for (int run : runs)
            result = execAndClick(box, run < 0 ? close : buttons.at(run));
        QTEST(result, "result");
        QCOMPARE(box.clickedButton(), buttons.value(expected));
        QCOMPARE(seen, buttons.value(seenInCallback));
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
        if (shown)
            QCOMPARE(icon->pixmap(Qt::ReturnByValue).size(), iconSize);
        QLayout *text = box.findChild<QWidget *>(QStringLiteral("msgbox-text-frame"))->layout();
        QCOMPARE(text->alignment(), shown ? Qt::AlignLeft : Qt::AlignCenter);
        QCOMPARE(text->contentsMargins(), QMargins(sideMargin, 0, sideMargin, 0));
    }
};

QTEST_MAIN(TestTarnMsgBox)
#include "tst_tarnmsgbox.moc"
