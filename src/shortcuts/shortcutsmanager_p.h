// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_SHORTCUTSMANAGER_P_H
#define TARNUILIB_SHORTCUTSMANAGER_P_H

#include "shortcutsmanager.h"

namespace TarnUI {
// The host's shortcut manager. Whoever reaches it first creates it; it is never deleted
// here, the host core library owns it from then on.
inline ShortCutsManager *shortCutsManager()
{
    if (!ShortCutsManager::_instance)
        ShortCutsManager::_instance = new ShortCutsManager;
    return ShortCutsManager::_instance;
}
} // namespace TarnUI

#endif
