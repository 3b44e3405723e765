// SPDX-License-Identifier: LGPL-2.1-or-later
#include <TarnUILib/TarnUILib.h>

#include <QtTest>
#include <QtWidgets>

class TestTarnMsgBox : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    const QString m_icon = m_dir.filePath("48x48.png");

private slots:
    void fourArgumentBoxScaledIconUnscaledLabelAlignedAsWhenAdded_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<bool>("iconFirst"); // also a title icon
        // Added label's alignment, body margin, button minimum width, box maximum width,
        // title-bar icon height (0: none).
        QTest::addColumn<QList<int>>("sizes");
        QVERIFY(QWidget().grab(QRect(0, 0, 48, 48)).save(m_icon));
        QTest::newRow("1.25, icon after, no title icon")
            << 1.25 << false << QList<int> { Qt::AlignCenter, 37, 100, 875, 0 };
        QTest::newRow("1.5, icon before, title icon")
            << 1.5 << true << QList<int> { Qt::AlignLeft, 45, 120, 1050, 30 };
    }
    void fourArgumentBoxScaledIconUnscaledLabelAlignedAsWhenAdded()
    {
        QFETCH(double, scale);
        QFETCH(bool, iconFirst);
        gScale = scale;
        TarnMsgBox box(iconFirst ? m_icon : QString(), "T", "M", nullptr);
        box.setMessageIcon(iconFirst ? m_icon : QString()); // an empty path: no icon
        QLabel *label = box.addLabel("L", false);
        QCheckBox *check = box.addCheckbox("C", true);
        QPushButton *plain = box.addButton("B", false);
        QPushButton *green = box.addButton("G", true);
        box.setMessageIcon(m_icon);
        auto *content = box.findChild<QWidget *>("frame-content-widget");
        auto *text = box.findChild<QLabel *>("TarnLabelText_Regular_12");
        QCOMPARE(QStringList({ text->text(), label->objectName(), check->objectName(),
                               plain->objectName(), green->objectName() })
                     .join(' '),
                 "M TarnLabelText_Regular_12 TarnChkbox TarnSmallBtn greenColorSmall");
        QVERIFY(check->isChecked());
        // The body holds the icon's layout and the text frame, whose layout holds the text, the
        // extra labels' layout, the check boxes' row and a stretch; the title bar's icon comes
        // after a spacing.
        QWidget *body = content->layout()->itemAt(0)->widget();
        QCOMPARE(body->layout()->itemAt(0)->layout()->itemAt(0)->widget()->size(), QSize(48, 48));
        QLayout *extraLabels = label->parentWidget()->layout()->itemAt(1)->layout();
        auto *frameIcon = qobject_cast<QLabel *>(
            box.findChild<QWidget *>("frame-title-widget")->layout()->itemAt(1)->widget());
        QTEST((QList<int> { int(extraLabels->itemAt(0)->alignment()),
                            body->layout()->contentsMargins().top(), plain->minimumWidth(),
                            box.maximumWidth(), frameIcon->pixmap(Qt::ReturnByValue).height() }),
              "sizes");
    }

    void clickedButtonAndResultOverRuns_data()
    {
        // What ends each run of exec(): a button's text, "close" (the title bar's button) or
        // "Escape". Then every run's result, clickedButton() afterwards, whether the callback
        // button left the box open and saw itself as clickedButton().
        QTest::addColumn<QString>("runs");
        QTest::addColumn<QString>("results");
        QTest::addColumn<QString>("reported");
        QTest::addColumn<bool>("callbackRan");
        const auto row = [](const char *tag, const char *runs, const char *results,
                            const char *reported, bool callbackRan) {
            QTest::newRow(tag) << runs << results << reported << callbackRan;
        };
        row("second of several", "Two", "0", "Two", false);
        row("title-bar close", "close", "0", "null", false);
        row("escape", "Escape", "0", "null", false);
        row("kept over a run without a click", "Two Escape", "0 0", "Two", false);
        row("callback", "Callback", "0", "Callback", true);
    }
    void clickedButtonAndResultOverRuns()
    {
        QFETCH(QString, runs);
        TarnMsgBox box("T", "M", nullptr);
        QPushButton *callback = nullptr, *inCallback = nullptr;
        const QMap<QString, QAbstractButton *> buttons {
            { "One", box.addButton("One", true) },
            { "Two", box.addButton("Two", false) },
            { "Callback",
              callback = box.addButtonSlot(
                  "Callback", [&] { inCallback = box.clickedButton(); }, false) },
            { "close", box.findChild<QToolButton *>("close-button") }
        };
        QStringList results;
        bool leftOpen = false;
        for (const QString &run : runs.split(' ')) {
            QTimer::singleShot(0, &box, [&] {
                if (run == "Escape")
                    QTest::keyClick(&box, Qt::Key_Escape);
                else
                    QTest::mouseClick(buttons[run], Qt::LeftButton);
                leftOpen = box.isVisible() && box.close();
            });
            results << QString::number(box.exec());
        }
        QTEST(results.join(' '), "results");
        QTEST(box.clickedButton() ? box.clickedButton()->text() : "null", "reported");
        QTEST(leftOpen, "callbackRan");
        QTEST(inCallback && inCallback == callback, "callbackRan");
    }
};

QTEST_MAIN(TestTarnMsgBox)
#include "tst_tarnmsgbox.moc"
