// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnlib.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

#include <cmath>

double gScale = 1.0;

namespace {
double dpiOverride = std::nan("");
QString configPathOverride;
} // namespace

double winDpiScale()
{
    if (!std::isnan(dpiOverride))
        return dpiOverride;
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() / 96.0 : 1.0;
}

void setWinDpiScale(double scale)
{
    dpiOverride = scale;
}

QString tarnConfigPath()
{
    if (!configPathOverride.isEmpty())
        return configPathOverride;
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
        + QLatin1String("/tarn.ini");
}

void setTarnConfigPath(const QString &path)
{
    configPathOverride = path;
}
