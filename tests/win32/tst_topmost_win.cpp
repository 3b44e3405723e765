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

namespace {
int failures = 0;

void check(const Caller &c, bool ok, const char *what)
{
    std::printf("%s %s: %s\n", ok ? "ok  " : "FAIL", c.name, what);
    failures += ok ? 0 : 1;
}

// Both the helper's answer and the style bit read directly, so that the helper under test is
// not its own witness; and the window's rectangle.
bool isInPlace(const Caller &c, HWND hwnd, bool topMost, const RECT &rect)
{
    RECT now {};
    return c.isTopMost(hwnd) == topMost && GetWindowRect(hwnd, &now) && EqualRect(&now, &rect)
        && ((GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) == topMost;
}

void testCaller(const Caller &c)
{
    const HWND hwnd = CreateWindowExW(0, L"STATIC", L"top-most", WS_OVERLAPPEDWINDOW, 130, 110, 320,
                                      240, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    RECT rect {};
    GetWindowRect(hwnd, &rect);
    check(c, hwnd && isInPlace(c, hwnd, false, rect), "a new window is not top-most");
    c.show(hwnd);
    check(c, IsWindowVisible(hwnd) && isInPlace(c, hwnd, true, rect),
          "showWndTopMost: shown, top-most, in place");
    c.cancel(hwnd);
    check(c, isInPlace(c, hwnd, false, rect), "cancelTopMost: not top-most, in place");
    DestroyWindow(hwnd);
    c.show(hwnd);
    c.cancel(hwnd);
    check(c, !c.isTopMost(hwnd), "a destroyed window's handle is not top-most");
    c.show(nullptr);
    c.cancel(nullptr);
    check(c, !c.isTopMost(nullptr), "a null handle is not top-most");
}
} // namespace

int main()
{
    testCaller({ "STRICT", isWndTopMost, showWndTopMost, cancelTopMost });
    testCaller(noStrictCaller);
    std::printf("%d failed\n", failures);
    return failures;
}
