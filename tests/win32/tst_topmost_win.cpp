// SPDX-License-Identifier: LGPL-2.1-or-later
// The Win32 top-most helpers on real windows, called as a host built with STRICT (the default)
// calls them and as one built with NO_STRICT does. Prints one line per case; the exit code is
// the number of failed checks.
#include <windows.h>

#include "tarntopmost.h"
#include "topmost_nostrict.h"

#include <cstdio>
#include <type_traits>

static_assert(std::is_same<HWND, HWND__ *>::value, "this unit is built with STRICT");
static_assert(GWL_EXSTYLE == -20, "extended style index");
static_assert(WS_EX_TOPMOST == 0x8, "top-most style bit");
static_assert(SWP_SHOWWINDOW == 0x0040, "show flag");
namespace insertAfter {
// The insert-after handles are casts of integers to HWND; with an integer HWND in this scope
// the same macros give those integers as constants.
using HWND = INT_PTR;
static_assert(HWND_TOPMOST == -1, "top-most insert-after handle");
static_assert(HWND_NOTOPMOST == -2, "not-top-most insert-after handle");
} // namespace insertAfter

namespace {
int failures = 0;

void check(bool ok, const char *caller, const char *what)
{
    std::printf("%s %s: %s\n", ok ? "ok  " : "FAIL", caller, what);
    failures += ok ? 0 : 1;
}

struct Caller
{
    const char *name;
    bool (*isTopMost)(HWND);
    void (*show)(HWND);
    void (*cancel)(HWND);
};

const Caller callers[] = {
    { "STRICT", isWndTopMost, showWndTopMost, cancelTopMost },
    { "NO_STRICT", noStrictIsWndTopMost, noStrictShowWndTopMost, noStrictCancelTopMost },
};

const wchar_t className[] = L"TarnTopMostTest";

HWND createWindow(DWORD exStyle, DWORD style)
{
    return CreateWindowExW(exStyle, className, L"top-most", style, 130, 110, 320, 240, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
}

// Read directly, so that the helper under test is not its own witness.
bool hasTopMostStyle(HWND hwnd)
{
    return (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

bool sameRect(const RECT &a, const RECT &b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

RECT rectOf(HWND hwnd)
{
    RECT rect {};
    GetWindowRect(hwnd, &rect);
    return rect;
}

void topMostRoundTripKeepsRect(const Caller &c)
{
    const HWND hwnd = createWindow(WS_EX_TOPMOST, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    const RECT rect = rectOf(hwnd);
    check(hwnd && c.isTopMost(hwnd) && hasTopMostStyle(hwnd), c.name,
          "a window created WS_EX_TOPMOST is top-most");

    c.cancel(hwnd);
    check(!c.isTopMost(hwnd) && !hasTopMostStyle(hwnd), c.name, "cancelTopMost clears it");
    check(sameRect(rectOf(hwnd), rect), c.name, "cancelTopMost keeps the rectangle");

    c.show(hwnd);
    check(c.isTopMost(hwnd) && hasTopMostStyle(hwnd), c.name, "showWndTopMost sets it again");
    check(sameRect(rectOf(hwnd), rect), c.name, "showWndTopMost keeps the rectangle");
    DestroyWindow(hwnd);
}

void showWndTopMostShowsHiddenWindow(const Caller &c)
{
    const HWND hwnd = createWindow(0, WS_OVERLAPPEDWINDOW);
    const RECT rect = rectOf(hwnd);
    check(hwnd && !IsWindowVisible(hwnd) && !c.isTopMost(hwnd), c.name,
          "a new window without WS_VISIBLE is hidden and not top-most");

    c.show(hwnd);
    check(IsWindowVisible(hwnd) && hasTopMostStyle(hwnd), c.name,
          "showWndTopMost shows a hidden window, top-most");
    check(sameRect(rectOf(hwnd), rect), c.name,
          "showWndTopMost keeps the hidden window's rectangle");
    DestroyWindow(hwnd);
}

void deadHandlesAreIgnored(const Caller &c)
{
    c.show(nullptr);
    c.cancel(nullptr);
    check(!c.isTopMost(nullptr), c.name, "a null handle is not top-most");

    const HWND hwnd = createWindow(WS_EX_TOPMOST, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    DestroyWindow(hwnd);
    c.show(hwnd);
    c.cancel(hwnd);
    check(!c.isTopMost(hwnd), c.name, "a destroyed window's handle is not top-most");
}
} // namespace

int main()
{
    WNDCLASSW windowClass {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassW(&windowClass);

    for (const Caller &c : callers) {
        topMostRoundTripKeepsRect(c);
        showWndTopMostShowsHiddenWindow(c);
        deadHandlesAreIgnored(c);
    }
    std::printf("%d failed\n", failures);
    return failures;
}
