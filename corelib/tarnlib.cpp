// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnlib.h"

#include "tarndpiscale_p.h"

#include <QGuiApplication>
#include <QScreen>

double gScale = 1.0;

double winDpiScale()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? TarnCore::dpiScale(screen->logicalDotsPerInch()) : 1.0;
}
