// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnlibtesting.h"
#include <TarnUILib/TarnUILib.h>

#include <QtTest>
#include <QtWidgets>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {
// (100, 100) 400 x 300 with a minimum size of 200 x 150.
class Dialog : public TarnBaseDialog
{
public:
    explicit Dialog(int border = 1, bool resizable = true)
        : TarnBaseDialog(nullptr, QString(), border)
    {
        setWindowResizeEnabled(resizable);
        setMinimumSize(200, 150);
        setGeometry(100, 100, 400, 300);
    }
    using TarnBaseDialog::m_iconLabel, TarnBaseDialog::m_maximizeEnabled, TarnBaseDialog::m_movable,
        TarnBaseDialog::m_restoreButton, TarnBaseDialog::m_titleItems;

    // As a subclass enters full screen: no title bar and no border, the restore button shown.
    void enterFullScreen()
    {
        m_fullScreen = m_maximized = true;
        m_mainLayout->setContentsMargins(0, 0, 0, 0);
        m_titleWidget->hide();
        m_maximizeButton->hide();
        m_restoreButton->show();
    }
};

// A press, a move to `to` and a release where the pointer stayed; with no move, a double
// click at press. A null result stands for the maximised window; `title` lists the title
// bar's signals; `setup` names how the dialog differs from a plain one.
struct Mouse
{
    QPoint press, to;
    QRect result;
    QString title = {};
    QString setup = {};
    int border = 1;
};
} // namespace

Q_DECLARE_METATYPE(Mouse)

class TestTarnBaseDialog : public QObject
{
    Q_OBJECT

private slots:
    void init() { gScale = 1.0; }

    void titleItemAfterNothingGoesFirstAndRemovalTakesOneEntry()
    {
        Dialog dialog;
        QToolButton a;
        const QList<QWidget *> buttons = dialog.m_titleItems;
        dialog.insertItemAfterItem(&a, buttons.last());
        dialog.insertItemAfterItem(&a, nullptr);
        QCOMPARE(dialog.m_titleItems, QList<QWidget *> { &a } + buttons + QList<QWidget *> { &a });
        QVERIFY(dialog.findChild<TarnTitleWidget *>()->isAncestorOf(&a));
        dialog.removeTitleItem(&a);
        QCOMPARE(dialog.m_titleItems, buttons + QList<QWidget *> { &a });
    }

    // At a scale other than 1.0: the names and heights the host's style sheet relies on; the
    // title icon scaled to the icon label's height, or 6 pixels wide when there is none; and
    // the border, three nested rings of one pixel in its colour, at an odd size.
    void styleHooksTitleIconAndBorderRingsAtScale()
    {
        gScale = 1.5;
        Dialog dialog(3);
        QCOMPARE(dialog.findChild<QWidget *>("frame-title-widget")->height(), 45);
        // The title bar's children, "-" marking those that start hidden.
        for (const QString name :
             { "titleLabel", "-minimize-button", "-maximize-button", "close-button" })
            QCOMPARE(dialog.findChild<QWidget *>(name.mid(name.startsWith('-')))->isHidden(),
                     name.startsWith('-'));
        dialog.setTitle("named");
        QCOMPARE(dialog.windowTitle(), "named");
        const QTemporaryDir dir; // the display run of this test may run at the same time
        QVERIFY(QImage(64, 64, QImage::Format_RGB32).save(dir.filePath("64.png")));
        dialog.setFrameIcon(dir.filePath("64.png"), 4);
        QCOMPARE(dialog.m_iconLabel->pixmap(Qt::ReturnByValue).size(), QSize(30, 30));
        QCOMPARE(dialog.m_iconLabel->width(), 34);
        dialog.setFrameIcon("no such image", 4);
        QCOMPARE(dialog.m_iconLabel->width(), 10);
        dialog.resize(401, 301);
        const QImage image = dialog.grab().toImage();
        QImage stroked = image;
        QPainter painter(&stroked);
        painter.setPen(QColor(0, 16, 13));
        for (int i = 0; i < 3; ++i)
            painter.drawRect(i, i, 400 - 2 * i, 300 - 2 * i);
        painter.end();
        QCOMPARE(image, stroked);
        QVERIFY(image.pixelColor(3, 150) != QColor(0, 16, 13));
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
        for (const bool on : { true, false }) {
            dialog.setStaysOnTop(on);
#ifdef Q_OS_WIN
            // SetWindowPos shows the native window only: Qt's flag follows its own show()
            // (seen under Wine).
            QVERIFY(IsWindowVisible(reinterpret_cast<HWND>(dialog.winId())));
#else
            QVERIFY(dialog.isVisible());
#endif
            QCOMPARE(TarnLibTesting::vmStayOnTop(), on);
            QCOMPARE(dialog.isStaysOnTop(), on);
            QTRY_COMPARE(dialog.geometry(), QRect(100, 100, 400, 300));
        }
        showWndTopMost(nullptr); // a handle of no window is ignored
    }

    void mouseHonoursEdgesMinimumTitleBandAndMaximising_data()
    {
        // Border 1 at scale 1.5: the title bar covers (1, 1) to (398, 45), its band y 1 to 3.
        QTest::addColumn<Mouse>("c");
        const auto row = [](const char *name, const Mouse &c) {
            QTest::newRow(name) << c;
        };
        row("left edge past the minimum: right edge stays",
            { { 0, 150 }, { 400, 150 }, { 298, 100, 202, 300 } });
        row("left edge to one below the minimum",
            { { 0, 150 }, { 200, 150 }, { 298, 100, 202, 300 } });
        row("left edge to one above the minimum",
            { { 0, 150 }, { 198, 150 }, { 297, 100, 203, 300 } });
        row("top-left corner", { { 0, 1 }, { -9, -9 }, { 90, 89, 410, 311 } });
        row("right edge", { { 399, 150 }, { 429, 157 }, { 100, 100, 431, 300 } });
        row("right edge after leaving full screen",
            { { 399, 150 }, { 429, 157 }, { 100, 100, 431, 300 }, "", "left full screen" });
        row("bottom edge", { { 200, 299 }, { 207, 319 }, { 100, 100, 400, 321 } });
        row("top edge past the minimum: bottom edge stays",
            { { 200, 0 }, { 200, 400 }, { 100, 248, 400, 152 } });
        row("top-left corner off: the later edge",
            { { 0, 1 }, { -9, -9 }, { 100, 89, 400, 311 }, "", "no corners" });
        row("third pixel of a border 3 is no edge: move",
            { { 2, 150 }, { -28, 157 }, { 70, 107, 400, 300 }, "", "", 3 });
        row("content in the way: move", { { 1, 150 }, { -29, 157 }, { 70, 107, 400, 300 } });
        row("content of an unmovable dialog: no move",
            { { 1, 150 }, { -29, 157 }, { 100, 100, 400, 300 }, "", "unmovable" });
        row("band, title bar hidden before the release: no drag",
            { { 200, 2 }, { 100, 20 }, { 100, 100, 400, 300 }, "begin", "lost release" });
        row("last band row and column, leaving the window",
            { { 398, 3 }, { 402, -7 }, { 100, 89, 400, 311 }, "begin drag(12,4,-10) focus" });
        row("title bar below the band: move",
            { { 200, 20 }, { 230, 40 }, { 130, 120, 400, 300 }, "focus" });
        row("content of a fixed size dialog: no move",
            { { 200, 150 }, { 230, 170 }, { 100, 100, 400, 300 }, "", "fixed" });
        row("band of a fixed size dialog: move",
            { { 200, 3 }, { 230, 23 }, { 130, 120, 400, 300 }, "focus", "fixed" });
        row("maximised, by the title", { { 200, 15 }, { 230, 35 }, {}, "focus", "maximised" });
        row("double click on the title bar's last row", { { 200, 45 }, {}, {}, "focus focus" });
        row("double click, maximising off",
            { { 200, 45 }, {}, { 100, 100, 400, 300 }, "focus focus", "no maximise" });
    }

    void mouseHonoursEdgesMinimumTitleBandAndMaximising()
    {
        QFETCH(Mouse, c);
        gScale = 1.5;
        Dialog dialog(c.border, !c.setup.contains("fixed"));
        dialog.m_maximizeEnabled = !c.setup.contains("no maximise");
        dialog.m_movable = !c.setup.contains("unmovable");
        if (c.setup.contains("no corners"))
            dialog.setEnableDirection({ 10, 11, 12, 15 });
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *title = dialog.findChild<TarnTitleWidget *>();
        auto *maximise = dialog.findChild<QWidget *>("maximize-button");
        if (c.setup.contains("left full screen")) {
            dialog.enterFullScreen();
            dialog.setShowNormal();
            QVERIFY(title->isVisible() && maximise->isVisible());
        }
        if (c.setup.contains("maximised")) {
            dialog.slotShowMaxRestore();
            QTRY_COMPARE(dialog.windowHandle()->geometry(), dialog.geometry());
        }
        dialog.setFocus();
        QStringList seen;
        connect(title, &TarnTitleWidget::sigDragBegin, [&] { seen << "begin"; });
        connect(title, &TarnTitleWidget::sigSetFocus, [&] { seen << "focus"; });
        connect(title, &TarnTitleWidget::sigUpdateDragGeometory, [&](int code, int dx, int dy) {
            seen << QString("drag(%1,%2,%3)").arg(code).arg(dx).arg(dy);
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
            QTest::mouseRelease(dialog.windowHandle(), Qt::LeftButton, {},
                                dialog.mapFromGlobal(global));
        }
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QTRY_COMPARE(dialog.geometry(), c.result.isNull() ? available : c.result);
        QCOMPARE(seen.join(' '), c.title);
        // A press on a resizable dialog's frame or content, not its title bar, focuses the content.
        if (c.title.isEmpty() && !c.setup.contains("fixed"))
            QCOMPARE(dialog.focusWidget(), dialog.findChild<QWidget *>("frame-content-widget"));
        // The title bar shows the resize cursor only while it drags the top edge.
        QCOMPARE(title->testAttribute(Qt::WA_SetCursor)
                     && title->cursor().shape() == Qt::SizeVerCursor,
                 c.title.contains("drag"));
        QCOMPARE(dialog.m_restoreButton->isVisible(), dialog.isMaximized());
        // The border is painted exactly while not maximised.
        QCOMPARE(dialog.grab().toImage().pixelColor(0, 100) == QColor(0, 16, 13),
                 !dialog.isMaximized());
        if (dialog.isMaximized()) { // restoring shows the maximise button
            QVERIFY(!maximise->isVisible());
            dialog.slotShowMaxRestore();
            QVERIFY(maximise->isVisible() && !dialog.m_restoreButton->isVisible());
        }
    }

    void centreShowsOverWidgetsDialogOrScreenTopLeftWhenTooWide()
    {
        QDialog owner;
        owner.setGeometry(100, 50, 300, 200);
        QWidget inside(&owner);
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        TarnBaseDialog dialog(nullptr, "centred", 1);
        QCOMPARE(dialog.windowTitle(), "centred");
        dialog.resize(200, 100);
        dialog.center(&inside);
        QVERIFY(dialog.isVisible());
        QTRY_COMPARE(dialog.geometry(), QRect(149, 99, 200, 100));
        dialog.resize(available.width() + 100, 500);
        dialog.center(nullptr);
        QTRY_COMPARE(dialog.geometry(), QRect(available.topLeft(), dialog.size()));
    }
};

QTEST_MAIN(TestTarnBaseDialog)
#include "tst_tarnbasedialog.moc"
