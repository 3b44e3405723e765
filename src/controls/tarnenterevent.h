// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_TARNENTEREVENT_H
#define TARNUILIB_TARNENTEREVENT_H

#include <QtGlobal>

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QEnterEvent>
#else
#include <QEvent>
#endif

namespace TarnUI {
// The parameter type of QWidget::enterEvent: QEvent on Qt 5, QEnterEvent since Qt 6.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
using EnterEvent = QEnterEvent;
#else
using EnterEvent = QEvent;
#endif
} // namespace TarnUI

#endif
