// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarntopmost.h"

#include <windows.h>

#include <cstdlib>

namespace {
void setTopMostPosition(HWND hwnd, HWND insertAfter)
{
    RECT rect {};
    GetWindowRect(hwnd, &rect);
    SetWindowPos(hwnd, insertAfter, rect.left, rect.top, std::abs(rect.right - rect.left),
                 std::abs(rect.bottom - rect.top), SWP_SHOWWINDOW);
}
} // namespace

bool isWndTopMost(HWND hwnd)
{
    return (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void showWndTopMost(HWND hwnd)
{
    setTopMostPosition(hwnd, HWND_TOPMOST);
}

void cancelTopMost(HWND hwnd)
{
    setTopMostPosition(hwnd, HWND_NOTOPMOST);
}
