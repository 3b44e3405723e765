// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_TARNWINDOWS_H
#define TARNUILIB_TARNWINDOWS_H

#include "tarnuilib_export.h"

#include <QPoint>

class QScreen;
class QWidget;

// The outermost widget among the QObject ancestors of widget, climbing through the owners
// of windows too (unlike QWidget::window()) and past plain QObjects; widget itself when no
// ancestor is a widget. widget must not be null.
TARNUILIB_EXPORT QWidget *rootDialog(QWidget *widget);

// The first screen whose geometry contains point, edges included; the first screen when
// none does; null when the application has no screen.
TARNUILIB_EXPORT QScreen *currentScreen(QPoint point);

#endif
