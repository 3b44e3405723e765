// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TOPMOST_NOSTRICT_H
#define TOPMOST_NOSTRICT_H

struct HWND__;

// The three top-most helpers as one kind of host calls them.
struct Caller
{
    const char *name;
    bool (*isTopMost)(HWND__ *);
    void (*show)(HWND__ *);
    void (*cancel)(HWND__ *);
};

// Calls from a translation unit built with NO_STRICT.
extern const Caller noStrictCaller;

#endif
