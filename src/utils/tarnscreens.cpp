// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnscreens_p.h"

#include <QGuiApplication>
#include <QScreen>

namespace TarnUI {
int screenIndexAt(const QVector<QRect> &screens, const QPoint &point)
{
    for (int i = 0; i < screens.size(); ++i) {
        if (screens[i].contains(point))
            return i;
    }
    return screens.isEmpty() ? -1 : 0;
}

QScreen *screenAt(const QPoint &point)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    QVector<QRect> geometries;
    for (const QScreen *screen : screens)
        geometries.append(screen->geometry());
    const int index = screenIndexAt(geometries, point);
    return index < 0 ? nullptr : screens[index];
}
} // namespace TarnUI
