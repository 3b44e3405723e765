// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnscreens_p.h"
#include "tarntopmost.h"
#include "tarnwindows.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>
#include <QTest>

using ScreenList = QVector<QRect>;

class tst_TarnWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void testScreenSearchAtSharedEdges_data();
    void testScreenSearchAtSharedEdges();
    void testCurrentScreenOutsideEveryScreen();
    void testRootDialogClimbsThroughWindowOwners();
    void testTopMostRoundTripShowsAndKeepsGeometry();
};

void tst_TarnWindows::testScreenSearchAtSharedEdges_data()
{
    QTest::addColumn<ScreenList>("screens");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("expected");
    const ScreenList sideBySide { QRect(0, 0, 1920, 1080), QRect(1920, 0, 1920, 1080) };
    QTest::newRow("first pixel of the second") << sideBySide << QPoint(1920, 10) << 1;
    QTest::newRow("last pixel of the first") << sideBySide << QPoint(1919, 10) << 0;
    QTest::newRow("just below both") << sideBySide << QPoint(1920, 1080) << 0;
    QTest::newRow("outside every screen") << sideBySide << QPoint(-50, -50) << 0;
    const ScreenList secondFirst { QRect(1920, 0, 1920, 1080), QRect(0, 0, 1920, 1080) };
    QTest::newRow("outside gives the first listed") << secondFirst << QPoint(-50, -50) << 0;
    QTest::newRow("list order kept") << secondFirst << QPoint(100, 100) << 1;
    const ScreenList leftOfPrimary { QRect(0, 0, 800, 600), QRect(-1280, -200, 1280, 1024) };
    QTest::newRow("negative coordinates") << leftOfPrimary << QPoint(-1, 0) << 1;
    QTest::newRow("no screen") << ScreenList() << QPoint(0, 0) << -1;
}

void tst_TarnWindows::testScreenSearchAtSharedEdges()
{
    QFETCH(ScreenList, screens);
    QFETCH(QPoint, point);
    QFETCH(int, expected);
    QCOMPARE(TarnUI::screenIndexAt(screens, point), expected);
}

void tst_TarnWindows::testCurrentScreenOutsideEveryScreen()
{
    QScreen *primary = QGuiApplication::screens().first();
    QCOMPARE(currentScreen(QPoint(799, 599)), primary);
    QCOMPARE(currentScreen(QPoint(-5000, 99999)), primary);
}

void tst_TarnWindows::testRootDialogClimbsThroughWindowOwners()
{
    QMainWindow mainWindow;
    auto *dialog = new QDialog(&mainWindow);
    auto *label = new QLabel(dialog);
    QCOMPARE(label->window(), dialog);
    QCOMPARE(rootDialog(label), &mainWindow);
    QCOMPARE(rootDialog(&mainWindow), &mainWindow);

    // A window hung under a plain QObject: the outermost widget is the answer.
    QObject owner;
    static_cast<QObject &>(mainWindow).setParent(&owner);
    QCOMPARE(rootDialog(label), &mainWindow);
    static_cast<QObject &>(mainWindow).setParent(nullptr);
}

void tst_TarnWindows::testTopMostRoundTripShowsAndKeepsGeometry()
{
    QWidget window;
    window.setGeometry(110, 120, 300, 200);
    const auto handle = [&] {
        return reinterpret_cast<HWND>(window.winId());
    };
    QVERIFY(!isWndTopMost(handle()));

    showWndTopMost(handle());
    QVERIFY(window.isVisible());
    QVERIFY(isWndTopMost(handle()));
    QCOMPARE(window.geometry(), QRect(110, 120, 300, 200));

    cancelTopMost(handle());
    QVERIFY(window.isVisible());
    QVERIFY(!isWndTopMost(handle()));
    QCOMPARE(window.geometry(), QRect(110, 120, 300, 200));

    QVERIFY(!isWndTopMost(nullptr));
    showWndTopMost(nullptr); // a handle of no window is ignored
}

QTEST_MAIN(tst_TarnWindows)
#include "tst_tarnwindows.moc"
