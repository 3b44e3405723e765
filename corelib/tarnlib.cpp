// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnlib.h"

#include "tarnlibtesting.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

double gScale = 1.0;

double winDpiScale()
{
    const double override = TarnLibTesting::winDpiScale();
    if (!std::isnan(override))
        return override;
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() / 96.0 : 1.0;
}
