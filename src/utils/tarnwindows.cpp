// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnwindows.h"

#include "tarnscreens_p.h"

#include <QWidget>

QWidget *rootDialog(QWidget *widget)
{
    // Widgets have widget parents, but QObject::setParent() can hang a window under a
    // plain QObject; the outermost widget on the way up is then the answer.
    QWidget *root = widget;
    for (QObject *object = widget->parent(); object; object = object->parent()) {
        if (QWidget *ancestor = qobject_cast<QWidget *>(object))
            root = ancestor;
    }
    return root;
}

QScreen *currentScreen(QPoint point)
{
    return TarnUI::screenAt(point);
}
