// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNLIB_TARNDPISCALE_P_H
#define TARNLIB_TARNDPISCALE_P_H

#include <cmath>

namespace TarnCore {

// The display scale of a logical DPI, as Windows offers it: in steps of 24 dpi (25 %) from
// 96 dpi, the nearest step taken. Many screens that mean 100 % report 100 dpi (X servers,
// Xvfb, Qt's offscreen platform), which is scale 1, not the 1.04 that would pick 1.25.
inline double dpiScale(double logicalDpi)
{
    return std::round(logicalDpi / 24.0) / 4.0;
}

} // namespace TarnCore

#endif
