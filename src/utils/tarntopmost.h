// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_TARNTOPMOST_H
#define TARNUILIB_TARNTOPMOST_H

#include "tarnuilib_export.h"

// The native window handle, declared exactly as <windows.h> declares it (a repeated
// identical typedef is legal), so that this header needs no Windows header and host code
// written as showWndTopMost(HWND(widget->winId())) compiles on every platform.
struct HWND__;
typedef struct HWND__ *HWND;

// Whether the window is in the top-most group (WS_EX_TOPMOST on Windows).
TARNUILIB_EXPORT bool isWndTopMost(HWND hwnd);
// Puts the window into the top-most group and shows it, keeping its position and size.
TARNUILIB_EXPORT void showWndTopMost(HWND hwnd);
// Takes the window out of the top-most group, keeping its position and size.
TARNUILIB_EXPORT void cancelTopMost(HWND hwnd);

#endif
