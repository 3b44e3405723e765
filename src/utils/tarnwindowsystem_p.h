// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_TARNWINDOWSYSTEM_P_H
#define TARNUILIB_TARNWINDOWSYSTEM_P_H

#include <Qt>

class QWidget;

namespace TarnUI {
// Whether the compositor, not the window, decides where a top-level window is: true on
// Wayland, where a client can neither place its window nor learn where it is, so that moves
// and drags of the left or top edge must be handed to the compositor.
bool compositorPlacesWindows();

// Hands the drag that the left button has begun on widget's window to the compositor, as a
// move or as a resize of the given edges. False where the library drags its windows itself
// (every platform but Wayland) and where the compositor cannot take it (one without a
// pointer); then the caller drags the window itself.
bool startSystemMove(QWidget *widget);
bool startSystemResize(QWidget *widget, Qt::Edges edges);
} // namespace TarnUI

#endif
