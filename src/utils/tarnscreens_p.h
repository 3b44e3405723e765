// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_TARNSCREENS_P_H
#define TARNUILIB_TARNSCREENS_P_H

#include <QPoint>
#include <QRect>
#include <QVector>

class QScreen;

namespace TarnUI {
// The monitor search, written over rectangles: the index of the first rectangle containing point
// (edges included), else 0; -1 for an empty list.
int screenIndexAt(const QVector<QRect> &screens, const QPoint &point);

// The same search over QGuiApplication::screens(), by geometry.
QScreen *screenAt(const QPoint &point);
} // namespace TarnUI

#endif
