// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_TARNFRAME_P_H
#define TARNUILIB_TARNFRAME_P_H

#include <QMouseEvent>
#include <QRect>
#include <QWidget>

#include <algorithm>
#include <limits>

namespace TarnUI {
// The pointer's position on the screen, in whole pixels, on either Qt major: Qt 6 deprecates
// globalPos() for globalPosition(), which Qt 5 lacks.
inline QPoint globalPos(const QMouseEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event->globalPosition().toPoint();
#else
    return event->globalPos();
#endif
}

// The frame sets a cursor on every mouse move; setCursor() allocates and sends an event
// each time, so only a change of shape reaches it.
inline void setCursorShape(QWidget *widget, Qt::CursorShape shape)
{
    if (widget->testAttribute(Qt::WA_SetCursor) && widget->cursor().shape() == shape)
        return;
    widget->setCursor(shape);
}

// The size a drag may give a window: from 0 to the largest a widget may have.
inline qint64 boundedSize(qint64 size)
{
    return std::clamp<qint64>(size, 0, QWIDGETSIZE_MAX);
}

// A rectangle worked out in 64 bits, of sizes within boundedSize(), moved to keep each edge
// inside the int range. Any on-screen rectangle comes back unchanged.
inline QRect boundedRect(qint64 x, qint64 y, qint64 width, qint64 height)
{
    constexpr qint64 first = std::numeric_limits<int>::min() + qint64(1);
    constexpr qint64 last = std::numeric_limits<int>::max();
    x = std::clamp<qint64>(x, first, std::min(last, last - width + 1));
    y = std::clamp<qint64>(y, first, std::min(last, last - height + 1));
    return QRect(QPoint(int(x), int(y)), QPoint(int(x + width - 1), int(y + height - 1)));
}

// Qt raises a geometry below minimumSize() (and lowers one above maximumSize()) keeping
// its top-left corner, which would move the right or bottom edge of a window dragged by
// its left or top edge. This applies the same bounds but moves the dragged edge instead.
inline QRect keepFixedEdges(const QRect &rect, const QSize &minimum, const QSize &maximum,
                            bool keepRight, bool keepBottom)
{
    const QSize size = rect.size().boundedTo(maximum).expandedTo(minimum);
    const qint64 x = keepRight ? rect.right() - qint64(size.width()) + 1 : rect.left();
    const qint64 y = keepBottom ? rect.bottom() - qint64(size.height()) + 1 : rect.top();
    return boundedRect(x, y, size.width(), size.height());
}
} // namespace TarnUI

#endif
