// SPDX-License-Identifier: LGPL-2.1-or-later
#include <TarnUILib/TarnUILib.h>

#include <QtTest>
#include <QtWidgets>

class TestTarnMsgBox : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    const QString m_icon = m_dir.filePath("48x48.png"); // a 48 x 48 image, both icons' file

private slots:
    void initTestCase() { QVERIFY(QWidget().grab(QRect(0, 0, 48, 48)).save(m_icon)); }

    // What resizing shows (the box at rest is in the accessibility test's expected files): the
    // width capped with the title icon, not without it, the buttons inside the box below the text
    // and apart when it is as narrow as it goes; the icon gone once taken away; links that open.
    void widthCappedBesideIconButtonsInsideBelowText()
    {
        const QString text = "M <a href=\"https://example.org\">link</a>";
        TarnMsgBox box(m_icon, "T", text, nullptr), uncapped("T", text, nullptr);
        box.setMessageIcon(m_icon);
        box.addLabel("L", false);
        const QPushButton *plain = box.addButton("B", false), *green = box.addButton("G", true);
        for (TarnMsgBox *wide : { &box, &uncapped }) {
            wide->show();
            wide->resize(4000, 300);
        }
        QVERIFY(box.width() < uncapped.width());
        const auto *label = box.findChild<QLabel *>("TarnLabelText_Regular_12");
        QVERIFY(label->openExternalLinks());
        const int textBottom = label->mapTo(&box, QPoint(0, label->height())).y();
        for (const QPushButton *button : { plain, green }) {
            const QRect at(button->mapTo(&box, QPoint()), button->size());
            QVERIFY(box.rect().contains(at));
            QVERIFY(at.top() >= textBottom);
        }
        box.resize(0, box.height());
        QVERIFY(plain->geometry().right() + 1 < green->x());
        auto *messageIcon = box.findChild<QLabel *>("msgbox-icon");
        QVERIFY(messageIcon->isVisible());
        box.setMessageIcon(QString());
        QVERIFY(messageIcon->isHidden() && messageIcon->size().isEmpty());
    }

    // A box whose icon was taken away looks like one that never had one: no inset, text centred.
    void iconTakenAwayAsIfNeverSet()
    {
        TarnMsgBox once("T", "M", nullptr), never("T", "M", nullptr);
        once.setMessageIcon(m_icon);
        once.setMessageIcon(QString());
        QCOMPARE(once.sizeHint(), never.sizeHint());
        for (TarnMsgBox *shown : { &once, &never }) {
            shown->addButton("A wide button's text", false);
            shown->show();
        }
        QCOMPARE(once.findChild<QLabel *>("TarnLabelText_Regular_12")->geometry(),
                 never.findChild<QLabel *>("TarnLabelText_Regular_12")->geometry());
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

    // Run with exec() three times, the parent window (odd-sized) moved, then resized (even) in
    // between: each time the box opens centred over it to the pixel, the parent's centre rounded
    // down as QRect::center() does.
    void execOpensCentredOverParentWindowWithoutFrameGuess()
    {
        TarnBaseDialog parent(nullptr, "P", 1);
        // A child of the window stands for the host's widget that asks.
        QWidget *asking = new QWidget(&parent);
        TarnMsgBox box("T", "A message", asking);
        box.addButton("OK", true);
        for (const QRect &placed :
             { QRect(100, 80, 601, 401), QRect(260, 140, 601, 401), QRect(40, 30, 900, 640) }) {
            parent.setGeometry(placed);
            parent.show();
            QVERIFY(QTest::qWaitForWindowExposed(&parent));
            QTRY_COMPARE(screenPosition(&parent), placed.topLeft());
            const QPoint centre = placed.center();
            QPoint shown, expected;
            QTimer::singleShot(0, &box, [&] {
                expected = centre - QPoint(box.width() / 2, box.height() / 2);
                // A window manager may still be placing its frame when the window is exposed;
                // a place that never settles is reported by the comparison below.
                static_cast<void>(
                    QTest::qWaitFor([&] { return (shown = screenPosition(&box)) == expected; }));
                box.close();
            });
            box.exec();
            QCOMPARE(shown, expected);
        }
    }

private:
    // On X, where the server has the window: Qt's own geometry sometimes keeps the position
    // that a window manager's reparenting reported, relative to its frame.
    static QPoint screenPosition(QWidget *window)
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            return window->pos();
        QProcess info;
        info.start("xwininfo", { "-id", QString::number(window->winId()) });
        info.waitForFinished();
        const QString text = QString::fromLatin1(info.readAllStandardOutput());
        const QRegularExpression corner(
            R"(Absolute upper-left X:\s+(-?\d+)\s+Absolute upper-left Y:\s+(-?\d+))");
        const QRegularExpressionMatch match = corner.match(text);
        return match.hasMatch() ? QPoint(match.captured(1).toInt(), match.captured(2).toInt())
                                : QPoint(-1, -1);
    }
};

QTEST_MAIN(TestTarnMsgBox)
#include "tst_tarnmsgbox.moc"
