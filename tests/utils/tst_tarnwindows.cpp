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
#include <QVBoxLayout>

using ScreenList = QVector<QRect>;

class tst_TarnWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void testScreenSearch_data();
    void testScreenSearch();
    void testCurrentScreenOutsideEveryScreen();
    void testRootDialogClimbsThroughWindowOwners();
    void testRootDialogOfParentlessWidget();
    void testRootDialogStopsAtOutermostWidget();
    void testTopMostRoundTripKeepsGeometry();
    void testShowTopMostShowsHiddenWindow();
    void testTopMostOnUnknownHandle();
};

void tst_TarnWindows::testScreenSearch_data()
{
    QTest::addColumn<ScreenList>("screens");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("expected");
    const ScreenList sideBySide { QRect(0, 0, 1920, 1080), QRect(1920, 0, 1920, 1080) };
    QTest::newRow("first pixel of the second") << sideBySide << QPoint(1920, 10) << 1;
    QTest::newRow("last pixel of the first") << sideBySide << QPoint(1919, 10) << 0;
    QTest::newRow("bottom-right corner of the second") << sideBySide << QPoint(3839, 1079) << 1;
    QTest::newRow("below both") << sideBySide << QPoint(1920, 1080) << 0;
    QTest::newRow("outside every screen") << sideBySide << QPoint(-50, -50) << 0;
    const ScreenList secondFirst { QRect(1920, 0, 1920, 1080), QRect(0, 0, 1920, 1080) };
    QTest::newRow("outside gives the first of the list") << secondFirst << QPoint(-50, -50) << 0;
    QTest::newRow("list order kept") << secondFirst << QPoint(100, 100) << 1;
    const ScreenList overlapping { QRect(0, 0, 1000, 1000), QRect(500, 0, 1000, 1000) };
    QTest::newRow("overlap: the first containing wins") << overlapping << QPoint(700, 10) << 0;
    const ScreenList leftOfPrimary { QRect(0, 0, 800, 600), QRect(-1280, -200, 1280, 1024) };
    QTest::newRow("negative coordinates") << leftOfPrimary << QPoint(-1, 0) << 1;
    QTest::newRow("no screen") << ScreenList() << QPoint(0, 0) << -1;
}

void tst_TarnWindows::testScreenSearch()
{
    QFETCH(ScreenList, screens);
    QFETCH(QPoint, point);
    QFETCH(int, expected);
    QCOMPARE(TarnUI::screenIndexAt(screens, point), expected);
}

void tst_TarnWindows::testCurrentScreenOutsideEveryScreen()
{
    QScreen *primary = QGuiApplication::screens().first();
    QCOMPARE(currentScreen(QPoint(10, 10)), primary);
    QCOMPARE(currentScreen(QPoint(-5000, 99999)), primary);
}

void tst_TarnWindows::testRootDialogClimbsThroughWindowOwners()
{
    QMainWindow mainWindow;
    auto *dialog = new QDialog(&mainWindow);
    auto *label = new QLabel(dialog);
    QCOMPARE(label->window(), dialog);
    QCOMPARE(rootDialog(label), &mainWindow);
    QCOMPARE(rootDialog(dialog), &mainWindow);
}

void tst_TarnWindows::testRootDialogOfParentlessWidget()
{
    QWidget widget;
    QCOMPARE(rootDialog(&widget), &widget);
}

void tst_TarnWindows::testRootDialogStopsAtOutermostWidget()
{
    QObject owner;
    QWidget window;
    auto *child = new QWidget(&window);
    static_cast<QObject &>(window).setParent(&owner);
    QCOMPARE(rootDialog(child), &window);
    static_cast<QObject &>(window).setParent(nullptr);
}

void tst_TarnWindows::testTopMostRoundTripKeepsGeometry()
{
    QWidget window(nullptr, Qt::WindowStaysOnTopHint);
    window.setGeometry(110, 120, 300, 200);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect before = window.geometry();
    QVERIFY(isWndTopMost(reinterpret_cast<HWND>(window.winId())));

    cancelTopMost(reinterpret_cast<HWND>(window.winId()));
    QVERIFY(!isWndTopMost(reinterpret_cast<HWND>(window.winId())));
    QCOMPARE(window.geometry(), before);
    QVERIFY(window.isVisible());

    showWndTopMost(reinterpret_cast<HWND>(window.winId()));
    QVERIFY(isWndTopMost(reinterpret_cast<HWND>(window.winId())));
    QCOMPARE(window.geometry(), before);
    QVERIFY(window.isVisible());
}

void tst_TarnWindows::testShowTopMostShowsHiddenWindow()
{
    QWidget window;
    window.setGeometry(50, 60, 200, 100);
    const HWND handle = reinterpret_cast<HWND>(window.winId());
    QVERIFY(!window.isVisible());
    QVERIFY(!isWndTopMost(handle));
    showWndTopMost(handle);
    QVERIFY(window.isVisible());
    QVERIFY(isWndTopMost(reinterpret_cast<HWND>(window.winId())));
    QCOMPARE(window.geometry(), QRect(50, 60, 200, 100));
}

void tst_TarnWindows::testTopMostOnUnknownHandle()
{
    QVERIFY(!isWndTopMost(nullptr));
    showWndTopMost(nullptr);
    cancelTopMost(reinterpret_cast<HWND>(quintptr(0xdead)));
}

QTEST_MAIN(tst_TarnWindows)
#include "tst_tarnwindows.moc"
