// SPDX-License-Identifier: LGPL-2.1-or-later
#include <TarnUILib/TarnUILib.h>

#include <QtTest>
#include <QtWidgets>

class TestTarnMsgBox : public QObject
{
    Q_OBJECT

private slots:
    // At scale 1.5 the four-argument box shows its title icon scaled, the message icon at its own
    // size, labels and check boxes added beside that icon aligned left, the buttons inside the box
    // below the text, a width capped where the three-argument box (labels centred) has no cap,
    // and a text whose links open. Without an icon again, the icon is hidden and takes no room, and
    // labels centre.
    void fourArgumentBoxScaledWithUnscaledIconAndLeftAlignedLabels()
    {
        QTemporaryDir dir;
        const QString icon = dir.filePath("48x48.png");
        QVERIFY(QWidget().grab(QRect(0, 0, 48, 48)).save(icon));
        gScale = 1.5;
        const QString text = "M <a href=\"https://example.org\">link</a>";
        TarnMsgBox box(icon, "T", text, nullptr), uncapped("T", text, nullptr);
        box.setMessageIcon(icon);
        box.addLabel("L", false);
        QVERIFY(box.addCheckbox("C", true)->isChecked());
        const QPushButton *plain = box.addButton("B", false), *green = box.addButton("G", true);
        QCOMPARE(box.findChild<QLabel *>("msgbox-icon")->size(), QSize(48, 48));
        QCOMPARE(box.findChild<QLayout *>("msgbox-secondary-text")->itemAt(0)->alignment(),
                 Qt::AlignLeft);
        QWidget *titleIcon = box.findChild<QLayout *>("title-layout")->itemAt(1)->widget();
        QCOMPARE(qobject_cast<QLabel *>(titleIcon)->pixmap(Qt::ReturnByValue).height(), 30);
        uncapped.addLabel("centred", false);
        QCOMPARE(uncapped.findChild<QLayout *>("msgbox-secondary-text")->itemAt(0)->alignment(),
                 Qt::AlignCenter);
        box.show();
        QVERIFY(box.findChild<QLabel *>("msgbox-icon")->isVisible());
        for (TarnMsgBox *wide : { &box, &uncapped })
            wide->resize(4000, 300);
        QVERIFY(box.width() < uncapped.width());
        const auto *label = box.findChild<QLabel *>("TarnLabelText_Regular_12");
        QVERIFY(label->openExternalLinks());
        const int textBottom = label->mapTo(&box, QPoint(0, label->height())).y();
        for (const QPushButton *button : { plain, green }) {
            const QRect at(button->mapTo(&box, QPoint()), button->size());
            QVERIFY(box.rect().contains(at));
            QVERIFY(at.top() >= textBottom);
        }
        box.setMessageIcon(QString());
        QVERIFY(box.findChild<QLabel *>("msgbox-icon")->isHidden());
        QCOMPARE(box.findChild<QLabel *>("msgbox-icon")->size(), QSize(0, 0));
        box.addLabel("centred", false);
        QCOMPARE(box.findChild<QLayout *>("msgbox-secondary-text")->itemAt(1)->alignment(),
                 Qt::AlignCenter);
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
