// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_TARNREADINGORDER_P_H
#define TARNUILIB_TARNREADINGORDER_P_H

#include <QList>
#include <QWidget>

namespace TarnUI {
// Screen readers read a widget's children in the order of its child list, which is the order
// they were made or reparented in. Raising the given siblings one after the other puts them in
// that order at the end of the list; the tab order and the layout stay as they are.
inline void setReadingOrder(const QList<QWidget *> &siblings)
{
    for (QWidget *widget : siblings)
        widget->raise();
}
} // namespace TarnUI

#endif
