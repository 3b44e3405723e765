// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_KEYTEXT_H
#define TARNUILIB_KEYTEXT_H

#include <QString>
#include <Qt>

// Key-combination texts. The compact form ("Ctrl+Alt+Q") is what the shortcut manager
// stores; the display form ("Ctrl + Alt + Q") is what capture fields show. Built as the
// internal static library TarnKeyText, which the UI library and the stand-in core library
// both link, so that there is one conversion with one table of names. Never installed.
namespace TarnUI {

// Compact form to display form.
QString displayKeyText(const QString &compact);

// Display form to compact form.
QString compactKeyText(const QString &display);

// "Ctrl+", "Shift+", "Alt+" for each of those modifiers held, always in this order.
// Meta, keypad and group-switch flags are left out.
QString modifierPrefix(Qt::KeyboardModifiers modifiers);

// Whether key is Shift, Control or Alt pressed on its own: such a press completes nothing.
bool isModifierKey(int key);

// The compact text of a key press in the field called fieldName. A modifier key on its
// own gives the modifier prefix only. A field whose name contains "bosskey" never takes
// a bare key: Alt is put in front of it, Ctrl+Alt in front of a bare Space.
QString composeKeyText(Qt::KeyboardModifiers modifiers, int key, const QString &fieldName);

// Whether the key of compact, after its modifiers, is one Qt knows by that name, or no more than
// one character: not "Ctrl+Alt+Banana".
bool namesKey(const QString &compact);

} // namespace TarnUI

#endif
