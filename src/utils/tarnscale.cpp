// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnscale.h"

#include "tarnlib.h"

#include <QtGlobal>

#include <cmath>

double getScaleFactor()
{
    const double dpi = winDpiScale();
    // Ordered comparisons: NaN fails both and gives 1.0.
    if (dpi >= 1.5)
        return 1.5;
    if (dpi > 1.0)
        return 1.25;
    return 1.0;
}

int getFontFactor()
{
    // Halves go up, as Qt 5's qRound takes them; Qt 6's takes them away from zero (-1.5 to -2).
    return int(std::floor((gScale - 1.0) * 12.0 + 0.5));
}

QString adjusteResourcePath(QString path)
{
    // 'g' with precision -1 gives the shortest form with up to six significant digits;
    // QString::arg() ignores the locale, so the separator is always a point.
    const QString scale = QStringLiteral("%1").arg(gScale, 0, 'g', -1, QLatin1Char(' '));
    return path.replace(QLatin1String(":/"), QStringLiteral(":/%1x/").arg(scale));
}
