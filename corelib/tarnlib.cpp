// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnlib.h"

#include <QGuiApplication>
#include <QScreen>

double gScale = 1.0;

double winDpiScale()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() / 96.0 : 1.0;
}
