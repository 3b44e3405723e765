// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_TARNSCALE_H
#define TARNUILIB_TARNSCALE_H

#include "tarnuilib_export.h"

#include <QString>

// The display scale (winDpiScale()) snapped to the steps the interface is drawn for:
// 1.0, 1.25 or 1.5.
TARNUILIB_EXPORT double getScaleFactor();

// The font-size offset for the current gScale, in points.
TARNUILIB_EXPORT int getFontFactor();

// path with every ":/" pointed at the current gScale's image set: ":/logo.png" becomes
// ":/1.25x/logo.png" at gScale 1.25. Whether that resource exists is not checked.
TARNUILIB_EXPORT QString adjusteResourcePath(QString path);

#endif
