// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_TARNTOPMOST_H
#define TARNUILIB_TARNTOPMOST_H

#include "tarnuilib_export.h"

#include <type_traits>

struct HWND__;

// The native window handle, declared as <windows.h> declares it (a repeated identical typedef
// is legal), so that this header needs no Windows header and host code written as
// showWndTopMost(HWND(widget->winId())) compiles on every platform. With NO_STRICT,
// <windows.h> makes HWND a void *, and so does this header.
#ifndef _WINDEF_
#ifdef NO_STRICT
typedef void *HWND;
#else
typedef struct HWND__ *HWND;
#endif
#endif

// The exported functions take the strict handle type whatever HWND is here, so that hosts
// built with and without NO_STRICT link to the same symbols.

// Whether the window is in the top-most group (WS_EX_TOPMOST on Windows).
TARNUILIB_EXPORT bool isWndTopMost(HWND__ *hwnd);
// Puts the window into the top-most group and shows it, keeping its position and size.
TARNUILIB_EXPORT void showWndTopMost(HWND__ *hwnd);
// Takes the window out of the top-most group, keeping its position and size.
TARNUILIB_EXPORT void cancelTopMost(HWND__ *hwnd);

// A NO_STRICT handle (void *) is forwarded to the functions above. Templates, so that nullptr
// and 0, which convert to any pointer, still choose the exported functions unambiguously.
template<typename Handle, typename = std::enable_if_t<std::is_same<Handle, void>::value>>
inline bool isWndTopMost(Handle *hwnd)
{
    return isWndTopMost(static_cast<HWND__ *>(hwnd));
}

template<typename Handle, typename = std::enable_if_t<std::is_same<Handle, void>::value>>
inline void showWndTopMost(Handle *hwnd)
{
    showWndTopMost(static_cast<HWND__ *>(hwnd));
}

template<typename Handle, typename = std::enable_if_t<std::is_same<Handle, void>::value>>
inline void cancelTopMost(Handle *hwnd)
{
    cancelTopMost(static_cast<HWND__ *>(hwnd));
}

#endif
