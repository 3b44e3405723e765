// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNLIB_TARNLIB_H
#define TARNLIB_TARNLIB_H

#include "tarnlib_export.h"

#include <QString>

// The scale the whole interface is drawn with: 1.0 at 96 dpi. The host writes it;
// widgets read it afresh whenever they build something.
TARNLIB_EXPORT extern double gScale;

// The display's DPI scale ratio: the primary screen's logical DPI over 96, or the
// value given to setWinDpiScale().
TARNLIB_EXPORT double winDpiScale();

// Stand-in only: overrides winDpiScale(). A value that is not a number restores the
// screen-derived default.
TARNLIB_EXPORT void setWinDpiScale(double scale);

// Stand-in only: the INI file that holds the settings. Empty means the default,
// "tarn.ini" under QStandardPaths::AppConfigLocation.
TARNLIB_EXPORT QString tarnConfigPath();
TARNLIB_EXPORT void setTarnConfigPath(const QString &path);

#endif
