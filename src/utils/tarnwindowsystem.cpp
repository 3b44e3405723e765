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

namespace {
// The native window a drag on widget can be handed over for; none where the library drags.
QWindow *compositorWindow(QWidget *widget)
{
    return compositorPlacesWindows() ? widget->window()->windowHandle() : nullptr;
}
} // namespace

bool startSystemMove(QWidget *widget)
{
    QWindow *window = compositorWindow(widget);
    return window && window->startSystemMove();
}

bool startSystemResize(QWidget *widget, Qt::Edges edges)
{
    QWindow *window = compositorWindow(widget);
    return window && window->startSystemResize(edges);
}
} // namespace TarnUI
