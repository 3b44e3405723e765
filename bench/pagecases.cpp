// SPDX-License-Identifier: LGPL-2.1-or-later
// The shortcut settings: key capture, the page built, loaded, shown and destroyed, and its heap.
#include "benchcases.h"
#include "benchmeter.h"
#include "peerpage.h"

#include "shortcutedit.h"
#include "shortcuts.h"
#include "tarninterface.h"

#include <QBoxLayout>
#include <QKeySequenceEdit>
#include <QTest>

#include <cstdio>
#include <memory>

namespace {
// A window holding one widget, as the host holds the page or a field.
std::unique_ptr<QWidget> windowWith(QWidget *child)
{
    auto window = std::make_unique<QWidget>();
    auto *layout = new QVBoxLayout(window.get());
    child->setParent(window.get());
    layout->addWidget(child);
    return window;
}

std::unique_ptr<QWidget> loadedPage(bool ours, bool save = false)
{
    auto window = std::make_unique<QWidget>();
    auto *layout = new QVBoxLayout(window.get());
    if (ours) {
        auto *page = new ShortCuts(window.get(), TarnInterface::mInstance);
        layout->addWidget(page);
        page->loadShortCuts();
        if (save)
            QMetaObject::invokeMethod(page, "saveShortCuts");
    } else {
        auto *page = new PeerPage(window.get());
        layout->addWidget(page);
        page->load();
        if (save)
            page->save();
    }
    return window;
}
} // namespace

// Ctrl+Shift with a letter or a digit, none of them taken, pressed and released.
void benchKeys(BenchMeter &meter, const BenchOptions &options)
{
    QWidget *field = options.ours ? static_cast<QWidget *>(new ShortCutEdit(nullptr, QString()))
                                  : new QKeySequenceEdit;
    std::unique_ptr<QWidget> window = windowWith(field);
    window->show();
    if (!QTest::qWaitForWindowActive(window.get()))
        qFatal("the field's window never became active");
    field->setFocus();
    settle();
    QWindow *handle = window->windowHandle();
    const char keys[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    const auto press = [&](int i) {
        const auto key = Qt::Key(keys[i % (sizeof keys - 1)]);
        QTest::keyPress(handle, key, Qt::ControlModifier | Qt::ShiftModifier);
        QCoreApplication::processEvents();
        QTest::keyRelease(handle, key, Qt::ControlModifier | Qt::ShiftModifier);
        QCoreApplication::processEvents();
    };
    for (int i = 0; i < options.warmup; ++i)
        press(i);
    // Each press differs from the one before: the combination just taken would conflict.
    meter.start();
    for (int i = 0; i < options.n; ++i)
        press(options.warmup + i);
    meter.stop();
    const QString shown = options.ours
        ? static_cast<ShortCutEdit *>(field)->text()
        : static_cast<QKeySequenceEdit *>(field)->keySequence().toString();
    std::printf("shown=%s\n", qPrintable(shown));
}

// A page built in its window, loaded, shown until painted, and destroyed.
void benchPage(BenchMeter &meter, const BenchOptions &options)
{
    const auto cycle = [&] {
        std::unique_ptr<QWidget> window = loadedPage(options.ours);
        window->show();
        settle();
    };
    measure(meter, options, cycle);
}

// A page built in its window, loaded and saved: every row written and the file replaced.
void benchPageSave(BenchMeter &meter, const BenchOptions &options)
{
    measure(meter, options, [&] { loadedPage(options.ours, true); });
}

// Heap taken by n loaded pages, what destroying them leaves behind, and what n more pages
// built and destroyed one at a time leave (Qt keeps the posted-event queue it grew for n
// pages alive at once, so only the second tells a page's own leftovers).
void benchPageHeap(BenchMeter &meter, const BenchOptions &options)
{
    measureHeap(meter, options, [&] { return loadedPage(options.ours); });
    for (int i = 0; i < options.n; ++i) {
        loadedPage(options.ours);
        settle();
    }
    meter.snapshot("heap_cycled");
}
