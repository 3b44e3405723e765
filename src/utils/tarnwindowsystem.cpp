// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnwindowsystem_p.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace TarnUI {
bool compositorPlacesWindows()
{
    // "wayland", "wayland-egl", "wayland-xcomposite-glx"...: every one of Qt's Wayland plugins.
    // A process keeps its platform, and this is asked on every pointer move of a drag.
    static const bool wayland =
        QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    return wayland;
}

bool startSystemMove(QWidget *widget)
{
    if (!compositorPlacesWindows())
        return false;
    QWindow *window = widget->window()->windowHandle();
    return window && window->startSystemMove();
}

bool startSystemResize(QWidget *widget, Qt::Edges edges)
{
    if (!compositorPlacesWindows())
        return false;
    QWindow *window = widget->window()->windowHandle();
    return window && window->startSystemResize(edges);
}
} // namespace TarnUI
