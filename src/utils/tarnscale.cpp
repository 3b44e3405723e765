// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnscale.h"

#include "tarnlib.h"

#include <QtGlobal>

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
    return qRound((gScale - 1.0) * 12.0);
}

QString adjusteResourcePath(QString path)
{
    // Up to six significant digits, and whatever the locale a point as the separator.
    return path.replace(QLatin1String(":/"), QStringLiteral(":/%1x/").arg(QString::number(gScale)));
}
