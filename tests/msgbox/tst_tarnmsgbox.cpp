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
    void labelAlignedAsWhenAddedIconUnscaledMarginTruncated_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<bool>("iconFirst"); // icon set before adding the label, not only after
        QTest::addColumn<int>("labelAlignment");
        QTest::addColumn<int>("margin"); // around the body
        QVERIFY(QWidget().grab(QRect(0, 0, 48, 48)).save(m_icon));
        QTest::newRow("1.25, icon after") << 1.25 << false << int(Qt::AlignCenter) << 37;
        QTest::newRow("1.5, icon before") << 1.5 << true << int(Qt::AlignLeft) << 45;
    }
    void labelAlignedAsWhenAddedIconUnscaledMarginTruncated()
    {
        QFETCH(double, scale);
        QFETCH(bool, iconFirst);
        gScale = scale;
        TarnMsgBox box("T", "M");
        box.setMessageIcon(iconFirst ? m_icon : QString()); // an empty path: no icon
        box.addLabel("L");
        box.addCheckbox("C");
        box.addButton("B");
        box.addButton("G", true);
        box.setMessageIcon(m_icon);
        QStringList names;
        for (QWidget *w :
             box.findChild<QWidget *>("frame-content-widget")->findChildren<QWidget *>())
            names << w->objectName();
        names.sort();
        QCOMPARE(names,
                 QStringList({ "TarnChkbox", "TarnLabelText_Regular_12", "TarnLabelText_Regular_12",
                               "TarnSmallBtn", "greenColorSmall", "msgbox-body", "msgbox-icon",
                               "msgbox-text-frame" }));
        QTEST(int(box.findChild<QLayout *>("msgbox-secondary-text")->itemAt(0)->alignment()),
              "labelAlignment");
        QCOMPARE(box.findChild<QLabel *>("msgbox-icon")->minimumSize(), QSize(48, 48)); // unscaled
        QTEST(box.findChild<QWidget *>("msgbox-body")->layout()->contentsMargins().top(), "margin");
    }

    void clickedButtonAfterExec_data()
    {
        QTest::addColumn<QString>("click"); // text of the button clicked; "close": the title bar's
        QTest::addColumn<bool>("leftOpen");
        QTest::addColumn<QString>("reported"); // text of clickedButton() afterwards
        QTest::addColumn<bool>("setBeforeCallback"); // the callback saw itself as clickedButton()
        QTest::newRow("second of several") << "Two" << false << "Two" << false;
        QTest::newRow("title-bar close") << "close" << false << "null" << false;
        QTest::newRow("callback") << "Callback" << true << "Callback" << true;
    }
    void clickedButtonAfterExec()
    {
        QFETCH(QString, click);
        TarnMsgBox box("T", "M");
        QPushButton *callback = nullptr, *inCallback = nullptr;
        const QMap<QString, QAbstractButton *> buttons {
            { "One", box.addButton("One", true) },
            { "Two", box.addButton("Two") },
            { "Callback",
              callback = box.addButtonSlot("Callback", [&] { inCallback = box.clickedButton(); }) },
            { "close", box.findChild<QToolButton *>("close-button") }
        };
        bool leftOpen = false;
        QTimer::singleShot(0, &box, [&] {
            QTest::mouseClick(buttons[click], Qt::LeftButton);
            leftOpen = box.isVisible() && box.close();
        });
        box.exec();
        QTEST(leftOpen, "leftOpen");
        QTEST(box.clickedButton() ? box.clickedButton()->text() : "null", "reported");
        QTEST(inCallback == callback, "setBeforeCallback");
    }
};

QTEST_MAIN(TestTarnMsgBox)
#include "tst_tarnmsgbox.moc"
