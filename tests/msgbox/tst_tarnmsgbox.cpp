// SPDX-License-Identifier: LGPL-2.1-or-later
#include <TarnUILib/TarnUILib.h>

#include <QtTest>
#include <QtWidgets>

class TestTarnMsgBox : public QObject
{
    Q_OBJECT

private slots:
    // At scale 1.5 the four-argument box caps its width and shows its title icon scaled, the
    // message icon at its own size; labels and check boxes added beside that icon align left.
    void fourArgumentBoxScaledWithUnscaledIconAndLeftAlignedLabels()
    {
        QTemporaryDir dir;
        const QString icon = dir.filePath("48x48.png");
        QVERIFY(QWidget().grab(QRect(0, 0, 48, 48)).save(icon));
        gScale = 1.5;
        TarnMsgBox box(icon, "T", "M", nullptr);
        box.setMessageIcon(icon);
        box.addLabel("L", false);
        QVERIFY(box.addCheckbox("C", true)->isChecked());
        const QPushButton *plain = box.addButton("B", false), *green = box.addButton("G", true);
        QCOMPARE(plain->objectName() + ' ' + green->objectName(), "TarnSmallBtn greenColorSmall");
        QCOMPARE(box.findChild<QLabel *>("msgbox-icon")->size(), QSize(48, 48));
        QCOMPARE(box.findChild<QLayout *>("msgbox-secondary-text")->itemAt(0)->alignment(),
                 Qt::AlignLeft);
        QCOMPARE(box.findChild<QWidget *>("msgbox-body")->layout()->contentsMargins().top(), 45);
        QCOMPARE(plain->minimumWidth(), 120);
        QCOMPARE(box.maximumWidth(), 1050);
        QWidget *titleIcon = box.findChild<QLayout *>("title-layout")->itemAt(1)->widget();
        QCOMPARE(qobject_cast<QLabel *>(titleIcon)->pixmap(Qt::ReturnByValue).height(), 30);
    }

    // Three runs of exec(), ended by a button, by Escape and by a button whose callback sees itself
    // as clickedButton() and leaves the box open; after each, the result and clickedButton().
    void clickedButtonKeptOverRunsResultAlwaysRejected()
    {
        TarnMsgBox box("T", "M", nullptr);
        box.addButton("One", true);
        QPushButton *two = box.addButton("Two", false), *inCallback = nullptr;
        QPushButton *callback = box.addButtonSlot(
            "Callback", [&] { inCallback = box.clickedButton(); }, false);
        QStringList runs;
        bool leftOpen = false;
        for (QPushButton *end : { two, static_cast<QPushButton *>(nullptr), callback }) {
            QTimer::singleShot(0, &box, [&] {
                if (end)
                    QTest::mouseClick(end, Qt::LeftButton);
                else
                    QTest::keyClick(&box, Qt::Key_Escape);
                leftOpen = box.isVisible() && box.close();
            });
            const int result = box.exec();
            runs << QString::number(result) + ' '
                    + (box.clickedButton() ? box.clickedButton()->text() : "null");
        }
        QCOMPARE(runs.join(", "), "0 Two, 0 Two, 0 Callback");
        QVERIFY(leftOpen);
        QCOMPARE(inCallback, callback);
    }
};

QTEST_MAIN(TestTarnMsgBox)
#include "tst_tarnmsgbox.moc"
