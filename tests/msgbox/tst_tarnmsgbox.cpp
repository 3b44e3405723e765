// SPDX-License-Identifier: LGPL-2.1-or-later
#include <TarnUILib/TarnUILib.h>

#include <QtTest>
#include <QtWidgets>

// A layout tree as text: widgets by object name, then - if hidden and =WxH for a minimum size
// other than 0x0; box layouts as H or V with [left,top,right,bottom;spacing] and their items in
// brackets; ~ for a spacer; @X after anything with alignment X (hexadecimal).
static QString describe(QLayoutItem *item)
{
    const QString at = item->alignment() ? QString::asprintf("@%x", int(item->alignment())) : "";
    if (QWidget *w = item->widget())
        return w->objectName()
            + QString::asprintf("%s=%dx%d", w->isHidden() ? "-" : "", w->minimumWidth(),
                                w->minimumHeight())
                  .remove("=0x0")
            + at + (w->layout() ? describe(w->layout()) : QString());
    auto *box = qobject_cast<QBoxLayout *>(item->layout());
    if (!box)
        return '~' + at;
    QStringList parts;
    for (int i = 0; i < box->count(); ++i)
        parts << describe(box->itemAt(i));
    const QMargins m = box->contentsMargins();
    return QString::asprintf("%c[%d,%d,%d,%d;%d]", box->inherits("QHBoxLayout") ? 'H' : 'V',
                             m.left(), m.top(), m.right(), m.bottom(), box->spacing())
        + at + '(' + parts.join(' ') + ')';
}

class TestTarnMsgBox : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void treeAndSizesTruncatedAtScale_data()
    {
        // The message icon set before adding the extras, and after them (null: not set);
        // scale, maximum width, margin, button spacing, check-box spacing, button width, message
        // icon, text margin, text alignment, alignment of the extras.
        for (const char *column : { "before", "after", "values" })
            QTest::addColumn<QString>(column);
        const QString no, png = m_dir.filePath("48.png"), bad = "/nonexistent/x.png";
        QVERIFY(QWidget().grab(QRect(0, 0, 48, 48)).save(png));
        QTest::newRow("no icon") << no << no << "1,700,30,20,10,80,-,0,84,84";
        QTest::newRow("1.25, after") << no << png << "1.25,875,37,25,12,100,=48x48,25,1,84";
        QTest::newRow("1.5, before") << png << no << "1.5,1050,45,30,15,120,=48x48,30,1,1";
        QTest::newRow("unloadable") << bad << no << "1.5,1050,45,30,15,120,,30,1,1";
        QTest::newRow("removed after") << png << QString("") << "1.5,1050,45,30,15,120,-,0,84,1";
    }
    void treeAndSizesTruncatedAtScale()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QString, values);
        const QStringList s = values.split(',');
        gScale = s[0].toDouble();
        TarnMsgBox box(QString(), "T", "M");
        if (!before.isNull())
            box.setMessageIcon(before);
        box.addButton("B");
        box.addLabel("L");
        box.addCheckbox("C");
        box.addButton("G", true);
        if (!after.isNull())
            box.setMessageIcon(after);
        QCOMPARE(QString::number(box.maximumWidth()), s[1]);
        QCOMPARE(
            describe(box.findChild<QWidget *>("frame-content-widget")->layout()),
            QStringLiteral("V[0,0,0,0;0](msgbox-bodyH[%1,%1,%1,%1;0](H[0,0,0,0;0](msgbox-icon%5) "
                           "msgbox-text-frameV[%6,0,%6,0;0]@%7(TarnLabelText_Regular_12 "
                           "V[0,0,0,0;0](TarnLabelText_Regular_12@%8) H[0,0,0,0;%3](TarnChkbox@%8)"
                           " ~)) H[%1,0,%1,%1;%2](TarnSmallBtn=%4x0@84 greenColorSmall=%4x0@84))")
                .arg(s[2], s[3], s[4], s[5], s[6], s[7], s[8], s[9]));
    }

    void clickedButtonAfterEachRun_data()
    {
        QTest::addColumn<QList<int>>("runs"); // button clicked in each exec(); -1: title-bar close
        QTest::addColumn<int>("expected");
        QTest::newRow("first") << QList<int> { 0 } << 0;
        QTest::newRow("last") << QList<int> { 2 } << 2;
        QTest::newRow("title-bar close") << QList<int> { -1 } << -1;
        QTest::newRow("title-bar close keeps earlier") << QList<int> { 1, -1 } << 1;
        QTest::newRow("callback keeps box open") << QList<int> { 3 } << 3;
        QTest::newRow("empty callback") << QList<int> { 4 } << 4;
    }
    void clickedButtonAfterEachRun()
    {
        QFETCH(QList<int>, runs);
        TarnMsgBox box("T", "M");
        QPushButton *seen = nullptr;
        // 0 to 2 close the box, 3 and 4 run a callback (4 an empty one) and leave it open.
        QList<QAbstractButton *> buttons;
        buttons << box.addButton("0", true) << box.addButton("1") << box.addButton("2")
                << box.addButtonSlot("3", [&] { seen = box.clickedButton(); })
                << box.addButtonSlot("4", {}) << box.findChild<QToolButton *>("close-button");
        bool leftOpen = false;
        for (int run : runs) {
            QTimer::singleShot(0, &box, [&, run] {
                QTest::mouseClick(buttons.value(run, buttons.last()), Qt::LeftButton);
                leftOpen = box.isVisible() && box.close();
            });
            box.exec();
        }
        QCOMPARE(leftOpen, runs.last() >= 3);
        QTEST(int(buttons.indexOf(box.clickedButton())), "expected");
        QCOMPARE(seen, buttons.value(runs.contains(3) ? 3 : -1)); // already set in the callback
    }
};

QTEST_MAIN(TestTarnMsgBox)
#include "tst_tarnmsgbox.moc"
