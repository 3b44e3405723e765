// SPDX-License-Identifier: LGPL-2.1-or-later
// A host built with NO_STRICT, where HWND is void *. Compiled twice: with <windows.h> before
// the library's header (linked and run) and after it (compiled only).
#define NO_STRICT
#ifdef TARN_HEADER_FIRST
#include "tarntopmost.h"
#include <windows.h>
#else
#include "tarntopmost.h"
#include <windows.h>
#endif

#include "topmost_nostrict.h"

#include <type_traits>

static_assert(std::is_same<HWND, void *>::value, "NO_STRICT makes HWND a void *");

bool noStrictIsWndTopMost(HWND__ *hwnd)
{
    const HWND handle = hwnd;
    return isWndTopMost(handle);
}

void noStrictShowWndTopMost(HWND__ *hwnd)
{
    const HWND handle = hwnd;
    showWndTopMost(handle);
}

void noStrictCancelTopMost(HWND__ *hwnd)
{
    const HWND handle = hwnd;
    cancelTopMost(handle);
}
