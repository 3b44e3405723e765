// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_TARNFRAME_P_H
#define TARNUILIB_TARNFRAME_P_H

#include "tarnuilib_export.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

namespace TarnUI {
// The frame sets a cursor on every mouse move; setCursor() allocates and sends an event
// each time, so only a change of shape reaches it.
inline void setCursorShape(QWidget *widget, Qt::CursorShape shape)
{
    if (widget->testAttribute(Qt::WA_SetCursor) && widget->cursor().shape() == shape)
        return;
    widget->setCursor(shape);
}

// Where a window of the given size goes when centred on centre: there if it fits into
// available (edges included), else at available's top-left corner.
TARNUILIB_EXPORT QPoint centredTopLeft(const QPoint &centre, const QSize &size,
                                       const QRect &available);
} // namespace TarnUI

#endif
