// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnwindowsystem_p.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace TarnUI {
bool compositorPlacesWindows()
{
    // "wayland", "wayland-egl", "wayland-xcomposite-glx"...: every one of Qt's Wayland plugins.
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool startSystemMove(QWidget *widget)
{
    QWindow *window = widget->window()->windowHandle();
    return compositorPlacesWindows() && window && window->startSystemMove();
}

bool startSystemResize(QWidget *widget, Qt::Edges edges)
{
    QWindow *window = widget->window()->windowHandle();
    return compositorPlacesWindows() && window && window->startSystemResize(edges);
}
} // namespace TarnUI
