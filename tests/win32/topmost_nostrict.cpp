// SPDX-License-Identifier: LGPL-2.1-or-later
// A host built with NO_STRICT, where HWND is void *. Compiled twice: with <windows.h> before
// the library's header (linked and run) and after it (TARN_HEADER_FIRST, compiled only).
#define NO_STRICT
#ifdef TARN_HEADER_FIRST
#include "tarntopmost.h"
#endif
#include <windows.h>

#include "tarntopmost.h"
#include "topmost_nostrict.h"

#include <type_traits>

static_assert(std::is_same<HWND, void *>::value, "NO_STRICT makes HWND a void *");

const Caller noStrictCaller = {
    "NO_STRICT",
    [](HWND__ *hwnd) { return isWndTopMost(HWND(hwnd)); },
    [](HWND__ *hwnd) { showWndTopMost(HWND(hwnd)); },
    [](HWND__ *hwnd) { cancelTopMost(HWND(hwnd)); },
};
