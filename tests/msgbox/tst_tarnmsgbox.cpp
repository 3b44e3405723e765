// SPDX-License-Identifier: LGPL-2.1-or-later
#include <TarnUILib/TarnUILib.h>

#include <QtTest>
#include <QtWidgets>

class TestTarnMsgBox : public QObject
{
    Q_OBJECT

private slots:
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
