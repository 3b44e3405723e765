// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_TARNSCALE_P_H
#define TARNUILIB_TARNSCALE_P_H

#include "tarnlib.h"

namespace TarnUI {
// A size given at scale 1.0, scaled by gScale and truncated toward zero. Read when a
// widget is built; later changes of gScale do not resize what exists.
inline int scaled(int base)
{
    return static_cast<int>(base * gScale);
}
} // namespace TarnUI

#endif
