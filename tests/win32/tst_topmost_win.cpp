// SPDX-License-Identifier: LGPL-2.1-or-later
// The Win32 top-most helpers on real windows, called as a host built with STRICT (the default)
// calls them and as one built with NO_STRICT does. Prints one line per check; the exit code is
// the number of failed checks.
#include <windows.h>

#include "tarntopmost.h"
#include "topmost_nostrict.h"

#include <cstdio>
#include <type_traits>

static_assert(std::is_same<HWND, HWND__ *>::value, "this unit is built with STRICT");
static_assert(GWL_EXSTYLE == -20 && WS_EX_TOPMOST == 0x8 && SWP_SHOWWINDOW == 0x0040, "styles");
namespace insertAfter {
// The insert-after handles are integers cast to HWND; with an integer HWND here the same
// macros give those integers as constants.
using HWND = INT_PTR;
static_assert(HWND_TOPMOST == -1 && HWND_NOTOPMOST == -2, "insert-after handles");
} // namespace insertAfter

namespace {
int failures = 0;

void check(bool ok, const char *caller, const char *what)
{
    std::printf("%s %s: %s\n", ok ? "ok  " : "FAIL", caller, what);
    failures += ok ? 0 : 1;
}

// The style bit is read directly, so that the helper under test is not its own witness.
bool inPlace(HWND hwnd, bool topMost, const RECT &rect)
{
    RECT now {};
    return GetWindowRect(hwnd, &now) && EqualRect(&now, &rect)
        && ((GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) == topMost;
}

void testCaller(const Caller &c)
{
    const HWND hwnd =
        CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"top-most", WS_OVERLAPPEDWINDOW, 130, 110, 320,
                        240, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    RECT rect {};
    GetWindowRect(hwnd, &rect);
    check(hwnd && !IsWindowVisible(hwnd) && c.isTopMost(hwnd) && inPlace(hwnd, true, rect), c.name,
          "a hidden window created WS_EX_TOPMOST is top-most");
    c.show(hwnd);
    check(IsWindowVisible(hwnd) && c.isTopMost(hwnd) && inPlace(hwnd, true, rect), c.name,
          "showWndTopMost shows the hidden window in place");
    c.cancel(hwnd);
    check(!c.isTopMost(hwnd) && inPlace(hwnd, false, rect), c.name,
          "cancelTopMost clears it and keeps the rectangle");
    c.show(hwnd);
    check(c.isTopMost(hwnd) && inPlace(hwnd, true, rect), c.name,
          "showWndTopMost sets it again and keeps the rectangle");
    DestroyWindow(hwnd);
    c.show(hwnd);
    c.cancel(hwnd);
    check(!c.isTopMost(hwnd), c.name, "a destroyed window's handle is not top-most");
    c.show(nullptr);
    c.cancel(nullptr);
    check(!c.isTopMost(nullptr), c.name, "a null handle is not top-most");
}
} // namespace

int main()
{
    testCaller({ "STRICT", isWndTopMost, showWndTopMost, cancelTopMost });
    testCaller(noStrictCaller);
    std::printf("%d failed\n", failures);
    return failures;
}
