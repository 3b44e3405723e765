// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TOPMOST_NOSTRICT_H
#define TOPMOST_NOSTRICT_H

struct HWND__;

// The top-most helpers as called from a translation unit built with NO_STRICT.
bool noStrictIsWndTopMost(HWND__ *hwnd);
void noStrictShowWndTopMost(HWND__ *hwnd);
void noStrictCancelTopMost(HWND__ *hwnd);

#endif
