// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnscreens_p.h"
#include "tarntopmost.h"
#include "tarnwindows.h"

#include <QtTest>
#include <QtWidgets>

using ScreenList = QVector<QRect>;

class tst_TarnWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void screenSearchAtSharedEdges_data()
    {
        QTest::addColumn<ScreenList>("screens");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("expected");
        const ScreenList sideBySide { QRect(0, 0, 1920, 1080), QRect(1920, 0, 1920, 1080) };
        QTest::newRow("first pixel of the second") << sideBySide << QPoint(1920, 10) << 1;
        QTest::newRow("last pixel of the first") << sideBySide << QPoint(1919, 10) << 0;
        QTest::newRow("outside: the first listed")
            << ScreenList { sideBySide[1], sideBySide[0] } << QPoint(-50, -50) << 0;
        QTest::newRow("no screen") << ScreenList() << QPoint(0, 0) << -1;
    }
    void screenSearchAtSharedEdges()
    {
        QFETCH(ScreenList, screens);
        QFETCH(QPoint, point);
        QTEST(TarnUI::screenIndexAt(screens, point), "expected");
        QScreen *first = QGuiApplication::screens().first();
        QCOMPARE(currentScreen(first->geometry().bottomRight() + point), first);
    }

    void rootDialogClimbsThroughWindowOwners()
    {
        QMainWindow mainWindow;
        auto *label = new QLabel(new QDialog(&mainWindow));
        QCOMPARE(rootDialog(label), &mainWindow);
        QCOMPARE(rootDialog(&mainWindow), &mainWindow);
    }

    void topMostRoundTripShowsAndKeepsGeometry()
    {
        QWidget window;
        window.setGeometry(110, 120, 300, 200);
        const auto handle = [&] {
            return reinterpret_cast<HWND>(window.winId());
        };
        for (const bool on : { true, false }) {
            on ? showWndTopMost(handle()) : cancelTopMost(handle());
            QVERIFY(window.isVisible());
            QCOMPARE(isWndTopMost(handle()), on);
            QTRY_COMPARE(window.geometry(), QRect(110, 120, 300, 200));
        }
        showWndTopMost(nullptr); // a handle of no window is ignored
    }
};

QTEST_MAIN(tst_TarnWindows)
#include "tst_tarnwindows.moc"
