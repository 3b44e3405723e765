// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarntopmost.h"

#include <windows.h>

#include <cstdlib>

// The functions are defined on HWND__ * as declared, not on HWND, which is void * when the
// library itself is built with NO_STRICT; <windows.h> takes either.
namespace {
void setTopMostPosition(HWND__ *hwnd, HWND insertAfter)
{
    RECT rect {};
    GetWindowRect(hwnd, &rect);
    SetWindowPos(hwnd, insertAfter, rect.left, rect.top, std::abs(rect.right - rect.left),
                 std::abs(rect.bottom - rect.top), SWP_SHOWWINDOW);
}
} // namespace

bool isWndTopMost(HWND__ *hwnd)
{
    return (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void showWndTopMost(HWND__ *hwnd)
{
    setTopMostPosition(hwnd, HWND_TOPMOST);
}

void cancelTopMost(HWND__ *hwnd)
{
    setTopMostPosition(hwnd, HWND_NOTOPMOST);
}
