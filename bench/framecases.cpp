// SPDX-License-Identifier: LGPL-2.1-or-later
// The frame: resizing drag, hover over edges and content, heap of a built dialog.
#include "benchcases.h"
#include "benchmeter.h"
#include "peerdialog.h"

#include "tarnbasedialog.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <memory>

namespace {
constexpr int borderWidth = 2;

class OurDialog : public TarnBaseDialog
{
public:
    OurDialog()
        : TarnBaseDialog(nullptr, QStringLiteral("Tarn"), borderWidth)
    {
        setWindowResizeEnabled(true);
        fillContent(m_contentWidget);
    }
};

std::unique_ptr<QDialog> makeDialog(bool ours)
{
    if (ours)
        return std::make_unique<OurDialog>();
    auto peer = std::make_unique<PeerDialog>(borderWidth);
    fillContent(peer->contentWidget());
    return peer;
}

// A shown dialog of 400 x 300 in the middle of the screen.
std::unique_ptr<QDialog> showDialog(bool ours)
{
    std::unique_ptr<QDialog> dialog = makeDialog(ours);
    QRect frame(QPoint(), QSize(400, 300));
    frame.moveCenter(QGuiApplication::primaryScreen()->availableGeometry().center());
    dialog->setGeometry(frame);
    dialog->show();
    if (!QTest::qWaitForWindowExposed(dialog.get()))
        qFatal("the dialog was never exposed");
    settle();
    return dialog;
}

void moveTo(QWindow *window, const QPoint &pos)
{
    QTest::mouseMove(window, pos);
    QCoreApplication::processEvents();
}
} // namespace

// The right edge is grabbed and dragged back and forth over 100 pixels.
void benchDrag(BenchMeter &meter, const BenchOptions &options)
{
    std::unique_ptr<QDialog> dialog = showDialog(options.ours);
    QWindow *window = dialog->windowHandle();
    const QPoint grab(dialog->width() - 1, dialog->height() / 2);
    QTest::mousePress(window, Qt::LeftButton, {}, grab);
    const auto drag = [&](int i) {
        moveTo(window, grab + QPoint(1 + i % 100, 0));
    };
    for (int i = 0; i < options.warmup; ++i)
        drag(i);
    meter.start();
    for (int i = 0; i < options.n; ++i)
        drag(i);
    meter.stop();
    QTest::mouseRelease(window, Qt::LeftButton, {}, grab);
    meter.report("width", dialog->width());
}

// Moves with no button over the edges, the corners, the title bar and the content.
void benchHover(BenchMeter &meter, const BenchOptions &options)
{
    std::unique_ptr<QDialog> dialog = showDialog(options.ours);
    QWindow *window = dialog->windowHandle();
    const int w = dialog->width();
    const int h = dialog->height();
    const QPoint points[] = {
        { w - 1, h / 2 }, { w - 1, h - 1 }, { w / 2, h - 1 }, { 0, h / 2 },
        { 0, 0 },         { w / 2, 15 },    { w / 2, h / 2 }, { w - 4, h / 2 }
    };
    const auto hover = [&](int i) {
        moveTo(window, points[i % std::size(points)]);
    };
    for (int i = 0; i < options.warmup; ++i)
        hover(i);
    meter.start();
    for (int i = 0; i < options.n; ++i)
        hover(i);
    meter.stop();
}

// Heap taken by n built dialogs, and what destroying them leaves behind.
void benchDialogHeap(BenchMeter &meter, const BenchOptions &options)
{
    measureHeap(meter, options, [&] { return makeDialog(options.ours); });
}
