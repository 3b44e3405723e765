// SPDX-License-Identifier: LGPL-2.1-or-later
// Top-most control without Win32: the handle is a native id of a Qt window, and the
// top-most group is Qt's stay-on-top hint, which the platform maps to its own.
#include "tarntopmost.h"

#include "tarnwindowsystem_p.h"

#include <QWidget>

namespace {
QWidget *widgetFor(HWND__ *hwnd)
{
    return hwnd ? QWidget::find(reinterpret_cast<WId>(hwnd)) : nullptr;
}

void setStaysOnTop(HWND__ *hwnd, bool on)
{
    QWidget *window = widgetFor(hwnd);
    if (!window)
        return;
    // Wayland has no request for it (Qt 5.15 offers none): the hint is only recorded. A new
    // native window for the new flags would open wherever the compositor puts new windows.
    if (TarnUI::compositorPlacesWindows()) {
        window->overrideWindowFlags(window->windowFlags().setFlag(Qt::WindowStaysOnTopHint, on));
        return;
    }
    // setWindowFlags() hides a window and may forget where it was.
    const QRect geometry = window->geometry();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, on);
    window->setGeometry(geometry);
    window->show();
    window->activateWindow();
}
} // namespace

bool isWndTopMost(HWND__ *hwnd)
{
    const QWidget *window = widgetFor(hwnd);
    return window && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void showWndTopMost(HWND__ *hwnd)
{
    setStaysOnTop(hwnd, true);
}

void cancelTopMost(HWND__ *hwnd)
{
    setStaysOnTop(hwnd, false);
}
