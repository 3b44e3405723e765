// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNLIB_TARNLIB_H
#define TARNLIB_TARNLIB_H

#include "tarnlib_export.h"

// The scale the whole interface is drawn with: 1.0 at 96 dpi. The host writes it;
// widgets read it afresh whenever they build something.
TARNLIB_EXPORT extern double gScale;

// The display's DPI scale ratio: the primary screen's logical DPI over 96, to the nearest
// Windows scale step (100 dpi is 1.0, 120 dpi 1.25).
TARNLIB_EXPORT double winDpiScale();

#endif
