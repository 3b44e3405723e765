// SPDX-License-Identifier: LGPL-2.1-or-later
#include <TarnUILib/TarnUILib.h>

#include <QtTest>
#include <QtWidgets>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#ifndef Q_OS_WIN
// Stands in for the core library's own (the program's definition comes first on ELF platforms).
static int vmStayOnTop = -1;
void TarnInterface::setVmStayOnTop(bool onTop)
{
    vmStayOnTop = onTop;
}
#endif

namespace {
const QColor ring(0, 16, 13);

// "first" at (100, 100) 400 x 300 with a minimum size of 200 x 150.
class Dialog : public TarnBaseDialog
{
public:
    explicit Dialog(int border = 1, bool resizable = true)
        : TarnBaseDialog(nullptr, "first", border)
    {
        setWindowResizeEnabled(resizable);
        setMinimumSize(200, 150);
        setGeometry(100, 100, 400, 300);
    }
    using TarnBaseDialog::m_closeButton, TarnBaseDialog::m_iconLabel,
        TarnBaseDialog::m_maximizeButton, TarnBaseDialog::m_maximizeEnabled,
        TarnBaseDialog::m_minimizeButton, TarnBaseDialog::m_movable,
        TarnBaseDialog::m_restoreButton, TarnBaseDialog::m_titleItems;

    // As a subclass enters full screen: no title bar and no border, the restore button shown.
    void enterFullScreen()
    {
        m_fullScreen = m_maximized = true;
        m_mainLayout->setContentsMargins(0, 0, 0, 0);
        m_titleWidget->hide();
        m_maximizeButton->hide();
        m_restoreButton->show();
        showFullScreen();
    }
};

// A press, a move to `to` and a release where the pointer stayed; with no move, a double
// click at press. A null result stands for the maximised window; `focus` counts the title
// bar's focus requests; `setup` names how the dialog differs from a plain one, which starts at
// `at`.
struct Mouse
{
    QPoint press, to;
    QRect result;
    int focus = 0;
    QString setup = {};
    QPoint at = { 100, 100 };
};
} // namespace

Q_DECLARE_METATYPE(Mouse)

class TestTarnBaseDialog : public QObject
{
    Q_OBJECT

private slots:
    void init() { gScale = 1.0; }

    // An item never shows as a window of its own on its way into the title bar, and shows in
    // it even when the host had hidden it.
    void titleItemAfterNothingGoesFirstAndRemovalTakesOneEntry()
    {
        struct Item : QToolButton
        {
            QList<QWidget *> shownIn;
            void showEvent(QShowEvent *) override { shownIn << parentWidget(); }
        };
        Dialog dialog;
        Item a;
        a.hide(); // by the host, before it hands the item over
        const QList<QWidget *> buttons = dialog.m_titleItems;
        dialog.insertItemAfterItem(&a, buttons.last());
        dialog.insertItemAfterItem(&a, nullptr);
        QCOMPARE(dialog.m_titleItems, QList<QWidget *> { &a } + buttons + QList<QWidget *> { &a });
        QVERIFY(dialog.findChild<TarnTitleWidget *>()->isAncestorOf(&a));
        QVERIFY(a.shownIn.isEmpty() && !a.isHidden());
        dialog.removeTitleItem(&a);
        QCOMPARE(dialog.m_titleItems, buttons + QList<QWidget *> { &a });
    }

    // At a scale other than 1.0: a new title in the bar and for the desktop; the title icon
    // scaled to the icon label's height, or 6 pixels wide when there is none; and the border,
    // three nested rings of one pixel in its colour, at an odd size.
    void titleIconAndBorderRingsAtScale()
    {
        gScale = 1.5;
        Dialog dialog(3);
        dialog.setFrameTitle("named");
        QCOMPARE(dialog.findChild<QLabel *>("titleLabel")->text() + dialog.windowTitle(),
                 "namednamed");
        dialog.setStyleSheet("* { padding-left: 5px } #frame-title-widget { background: red }");
        QCOMPARE(dialog.grab().toImage().pixelColor(200, 30), QColor(Qt::red));
        const QTemporaryDir dir; // the display run of this test may run at the same time
        QImage blue(64, 64, QImage::Format_RGB32);
        blue.fill(Qt::blue);
        QVERIFY(blue.save(dir.filePath("64.png")));
        dialog.setFrameIcon(dir.filePath("64.png"), 4);
        QCOMPARE(dialog.m_iconLabel->pixmap(Qt::ReturnByValue).size(), QSize(30, 30));
        QCOMPARE(dialog.m_iconLabel->width(), 34);
        // Padding handed down by the dialog's sheet does not push the icon in.
        QCOMPARE(dialog.m_iconLabel->grab().toImage().pixelColor(0, 15), QColor(Qt::blue));
        dialog.setFrameIcon("no such image", 4);
        QCOMPARE(dialog.m_iconLabel->width(), 10);
        dialog.resize(401, 301);
        const QImage image = dialog.grab().toImage();
        QImage stroked = image;
        QPainter painter(&stroked);
        painter.setPen(ring);
        for (int i = 0; i < 3; ++i)
            painter.drawRect(i, i, 400 - 2 * i, 300 - 2 * i);
        painter.end();
        QCOMPARE(image, stroked);
        QVERIFY(image.pixelColor(3, 150) != ring);
    }

    // Starting hidden: each change shows the dialog where it was.
    void staysOnTopShowsTellsTheFacadeAndKeepsGeometry()
    {
#ifdef Q_OS_WIN
        if (QGuiApplication::platformName() != QLatin1String("windows"))
            QSKIP("the Win32 calls need a window of the windows platform");
#endif
        TarnInterface facade;
        TarnInterface::mInstance = &facade;
        Dialog dialog;
        // On the last screen: with several, not the first.
        dialog.move(QGuiApplication::screens().last()->geometry().topLeft() + QPoint(100, 100));
        const QRect where = dialog.geometry();
        for (const bool on : { true, false }) {
            dialog.setStaysOnTop(on);
#ifdef Q_OS_WIN
            // SetWindowPos shows the native window only: Qt's flag follows its own show()
            // (seen under Wine).
            QVERIFY(IsWindowVisible(reinterpret_cast<HWND>(dialog.winId())));
#else
            QVERIFY(dialog.isVisible());
#endif
#ifndef Q_OS_WIN
            QCOMPARE(vmStayOnTop, int(on));
#endif
            QCOMPARE(dialog.isStaysOnTop(), on);
            QTRY_COMPARE(dialog.geometry(), where);
        }
        showWndTopMost(nullptr); // a handle of no window is ignored
    }

    // Clicked in turn: the maximise button shows exactly while the dialog is not maximised.
    void windowButtonsMaximiseRestoreMinimiseAndClose()
    {
        Dialog dialog;
        dialog.m_maximizeEnabled = true;
        dialog.show();
        for (QToolButton *button : { dialog.m_maximizeButton, dialog.m_restoreButton }) {
            QTest::mouseClick(button, Qt::LeftButton);
            QTRY_COMPARE(dialog.isMaximized(), button == dialog.m_maximizeButton);
            QCOMPARE(dialog.m_restoreButton->isVisible(), dialog.isMaximized());
        }
        dialog.m_minimizeButton->click();
        QTRY_VERIFY(dialog.isMinimized());
        QTest::mouseClick(dialog.m_closeButton, Qt::LeftButton);
        QVERIFY(dialog.isHidden());
    }

    // The pointer, no button held, over the two outer pixels of each edge and corner of a
    // border 3 and the third, back over the content, the title bar's band and a window button
    // in it; the arrow on a dialog that may not be resized.
    void cursorShowsTheEdgeUnderThePointer()
    {
        Dialog dialog(3);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QPoint band(200, 5), close = dialog.m_closeButton->mapTo(&dialog, QPoint(5, 5));
        const auto [hor, ver, fdiag, bdiag, arrow] =
            std::make_tuple(Qt::SizeHorCursor, Qt::SizeVerCursor, Qt::SizeFDiagCursor,
                            Qt::SizeBDiagCursor, Qt::ArrowCursor);
        const std::pair<QPoint, Qt::CursorShape> path[] = {
            { { 1, 150 }, hor },     { { 200, 150 }, arrow }, { { 398, 150 }, hor },
            { { 397, 150 }, arrow }, { { 200, 298 }, ver },   { { 200, 297 }, arrow },
            { { 1, 1 }, fdiag },     { { 398, 1 }, bdiag },   { { 0, 299 }, bdiag },
            { { 399, 299 }, fdiag }, { { 200, 1 }, ver },     { { 2, 2 }, arrow },
            { band, ver },           { close, arrow },        { band, ver },
            { { 200, 20 }, arrow },  { band, ver },           { { 1, 150 }, hor },
        };
        for (const auto &[at, shape] : path) {
            QTest::mouseMove(dialog.windowHandle(), at);
            QWidget *under = dialog.childAt(at);
            QTRY_COMPARE((under ? under : &dialog)->cursor().shape(), shape);
        }
        dialog.findChild<QWidget *>("frame-content-widget")->repaint(); // not a move over it
        QCOMPARE(dialog.cursor().shape(), hor);
        dialog.setWindowResizeEnabled(false);
        QTest::mouseMove(dialog.windowHandle(), band);
        QTRY_COMPARE(dialog.childAt(band)->cursor().shape(), arrow);
        QCOMPARE(dialog.cursor().shape(), arrow);
        QMouseEvent edge(QEvent::MouseMove, QPointF(1, 150), QPointF(1, 150), Qt::NoButton, {}, {});
        QCOMPARE(dialog.winHitTest(&edge), 0);
    }

    void mouseHonoursEdgesMinimumTitleBandAndMaximising_data()
    {
        // Border 1 at scale 1.5: the title bar covers (1, 1) to (398, 45), its band y 1 to 3.
        QTest::addColumn<Mouse>("c");
        const auto row = [](const char *name, const Mouse &c) {
            QTest::newRow(name) << c;
        };
        const QRect still(100, 100, 400, 300), moved(130, 120, 400, 300), up(100, 89, 400, 311);
        row("left edge below the minimum", { { 0, 150 }, { 200, 150 }, { 298, 100, 202, 300 } });
        row("left edge above the minimum", { { 0, 150 }, { 198, 150 }, { 297, 100, 203, 300 } });
        row("top-left corner", { { 0, 1 }, { -9, -9 }, { 90, 89, 410, 311 } });
        row("top-left off: the later edge", { { 0, 1 }, { -9, -9 }, up, 0, "no corners" });
        row("right edge after full screen",
            { { 399, 150 }, { 429, 157 }, { 100, 100, 431, 300 }, 0, "left full screen" });
        row("bottom edge", { { 200, 299 }, { 207, 319 }, { 100, 100, 400, 321 } });
        row("bottom-right corner", { { 399, 299 }, { 409, 309 }, { 100, 100, 411, 311 } });
        row("top-right corner", { { 399, 0 }, { 409, -10 }, { 100, 89, 411, 311 } });
        row("top edge below the minimum", { { 200, 0 }, { 200, 400 }, { 100, 248, 400, 152 } });
        row("content in the way: move", { { 1, 150 }, { -29, 157 }, { 70, 107, 400, 300 } });
        row("content, unmovable", { { 1, 150 }, { -29, 157 }, still, 0, "unmovable" });
        row("band, release lost", { { 200, 2 }, { 100, 20 }, still, 0, "lost release" });
        row("title bar, release lost", { { 200, 20 }, { 100, 40 }, still, 0, "lost release" });
        row("band's last row, pointer out", { { 393, 3 }, { 397, -7 }, up, 1 });
        row("title bar below the band", { { 200, 20 }, { 230, 40 }, moved, 1 });
        row("content, fixed size: no move", { { 200, 150 }, { 230, 170 }, still, 0, "fixed" });
        row("band, fixed size: move", { { 200, 3 }, { 230, 23 }, moved, 1, "fixed" });
        row("maximised, by the title", { { 200, 15 }, { 230, 35 }, {}, 1, "maximised" });
        row("double click on the title's last row", { { 200, 45 }, {}, {}, 2 });
        row("double click, no maximising", { { 200, 45 }, {}, still, 2, "no maximise" });
        row("double click below the title", { { 200, 46 }, {}, still });
        if (QGuiApplication::screens().size() < 2)
            return;
        // screens.json's second screen in the list lies in its third, (800, 0) 1024 x 768.
        row("title bar across a screen border",
            { { 200, 20 }, { 530, 40 }, { 830, 120, 400, 300 }, 1, {}, { 500, 100 } });
        row("double click on another screen",
            { { 200, 45 }, {}, { 800, 0, 1024, 768 }, 2, {}, { 900, 100 } });
    }

    void mouseHonoursEdgesMinimumTitleBandAndMaximising()
    {
        QFETCH(Mouse, c);
        gScale = 1.5;
        Dialog dialog(1, !c.setup.contains("fixed"));
        dialog.m_maximizeEnabled = !c.setup.contains("no maximise");
        dialog.m_movable = !c.setup.contains("unmovable");
        if (c.setup.contains("no corners"))
            dialog.setEnableDirection({ 10, 11, 12, 15 });
        dialog.move(c.at);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *title = dialog.findChild<TarnTitleWidget *>();
        if (c.setup.contains("left full screen")) {
            const QRect normal = dialog.geometry();
            dialog.enterFullScreen();
            dialog.setShowNormal();
            QTRY_COMPARE(dialog.geometry(), normal); // a window manager may take its time
            QVERIFY(title->isVisible() && dialog.m_maximizeButton->isVisible()
                    && !dialog.m_restoreButton->isVisible()
                    && dialog.windowState() == Qt::WindowNoState);
        }
        if (c.setup.contains("maximised")) {
            dialog.slotShowMaxRestore();
            QTRY_COMPARE(dialog.windowHandle()->geometry(), dialog.geometry());
        }
        dialog.setFocus();
        int focus = 0;
        connect(title, &TarnTitleWidget::sigSetFocus, [&] { ++focus; });
        QPoint travel; // the band's last report
        connect(title, &TarnTitleWidget::sigUpdateDragGeometory, [&](int, int dx, int dy) {
            travel = { dx, dy };
        });
        const QPoint global = dialog.mapToGlobal(c.to);
        if (c.to.isNull()) {
            QTest::mouseDClick(dialog.windowHandle(), Qt::LeftButton, {}, c.press);
        } else {
            QTest::mousePress(dialog.windowHandle(), Qt::LeftButton, {}, c.press);
            // Entering full screen hides the title bar, and Qt then drops the release of a
            // press it had; the first move with the left button up has to end the drag.
            if (c.setup.contains("lost release")) {
                title->hide();
                QTest::mouseRelease(dialog.windowHandle(), Qt::LeftButton, {}, c.press);
                title->show();
            }
            QTest::mouseMove(dialog.windowHandle(), c.to);
            // Released where the pointer stayed while the window changed under it.
            const QPoint to = dialog.mapFromGlobal(global);
            QTest::mouseRelease(dialog.windowHandle(), Qt::LeftButton, {}, to);
            // A move with the button held after the release (pressed on another widget) drags
            // nothing.
            QWidget *under = dialog.childAt(to + QPoint(-1, 1));
            under = under ? under : &dialog;
            QMouseEvent held(QEvent::MouseMove, under->mapFrom(&dialog, to + QPoint(-1, 1)),
                             global + QPoint(-1, 1), Qt::NoButton, Qt::LeftButton, {});
            QApplication::sendEvent(under, &held);
        }
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QTRY_COMPARE(dialog.geometry(), c.result.isNull() ? available : c.result);
        QCOMPARE(focus, c.focus);
        QVERIFY(travel.isNull() || travel == c.to - c.press);
        // A press on the frame or content, not the title bar, focuses the content.
        if (!title->geometry().contains(c.press))
            QCOMPARE(dialog.focusWidget(), dialog.findChild<QWidget *>("frame-content-widget"));
    }

    // center() of a 200 x 100 dialog over the dialog of a widget in `owner` (null: none), else
    // on the screen at (1, 1); a dialog its screen does not hold goes to that screen's corner.
    void centreOnTheScreenUnderTheReferencePoint_data()
    {
        QTest::addColumn<QRect>("owner");
        QTest::addColumn<QPoint>("expected");
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        const auto row = [](const char *name, QRect owner, QPoint expected) {
            QTest::newRow(name) << owner << expected;
        };
        row("over the owner", { 100, 50, 300, 200 }, { 149, 99 });
        row("no owner", {}, available.center() - QPoint(100, 50));
        row("spilling over the screen", { available.right() - 50, 50, 100, 100 },
            available.topLeft());
        if (QGuiApplication::screens().size() < 2)
            return;
        // screens.json: (0, 0) 800 x 800; (1200, 300) 400 x 300, listed before the one it lies
        // in, (800, 0) 1024 x 768; (-640, 800) 640 x 480 at 120 dpi, 512 x 384 to Qt.
        row("owner on another screen", { 1500, 200, 300, 200 }, { 1549, 249 });
        row("reference on a screen's first pixel", { 750, -50, 101, 101 }, { 800, 0 });
        row("first listed of two holding it", { 1210, 310, 20, 20 }, { 1200, 300 });
        row("negative coordinates", { -500, 900, 300, 200 }, { -450, 949 });
        row("spilling over a scaled screen", { -200, 1100, 20, 20 }, { -640, 800 });
        row("off every screen: the first", { 3000, 3000, 100, 100 }, {});
    }

    void centreOnTheScreenUnderTheReferencePoint()
    {
        QFETCH(QRect, owner);
        QFETCH(QPoint, expected);
        QDialog ownerDialog;
        ownerDialog.setGeometry(owner);
        QWidget inside(&ownerDialog);
        TarnBaseDialog dialog(nullptr, "centred", 1);
        dialog.resize(200, 100);
        dialog.center(owner.isNull() ? nullptr : &inside);
        QVERIFY(dialog.isVisible() && dialog.focusWidget() == &dialog);
        QTRY_COMPARE(dialog.pos(), expected);
    }

    // A first show where a QDialog goes without a parent, where the host moved it with one.
    void firstShowKeepsQtsOrHostsPlace()
    {
        QDialog owner;
        owner.setGeometry(100, 50, 300, 200);
        QDialog plain(nullptr, Qt::FramelessWindowHint);
        TarnBaseDialog parentless, child(&owner);
        for (QWidget *each : { (QWidget *)&plain, (QWidget *)&parentless }) {
            each->resize(200, 100);
            each->show();
        }
        QCOMPARE(parentless.geometry(), plain.geometry());
        child.move(7, 7);
        child.show();
        QCOMPARE(child.pos(), QPoint(7, 7));
    }
};

QTEST_MAIN(TestTarnBaseDialog)
#include "tst_tarnbasedialog.moc"
