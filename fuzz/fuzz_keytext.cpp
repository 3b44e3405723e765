// SPDX-License-Identifier: LGPL-2.1-or-later
// Key-combination texts: presses of arbitrary codes with arbitrary modifiers, whose compact text
// QKeySequence must read as the same combination wherever Qt reads back its own name of it.
#include "fuzz_common.h"
#include "keytext.h"

using namespace TarnUI;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    constexpr auto portable = QKeySequence::PortableText;
    FuzzedDataProvider data(bytes, size);
    for (int i = 0; i < 16 && data.remaining_bytes() > 0; ++i) {
        const auto modifiers = Qt::KeyboardModifiers(data.ConsumeIntegral<int>());
        const int key = data.ConsumeIntegralInRange(0, 0x01ffffff);
        const bool boss = data.ConsumeBool();
        const QString compact = composeKeyText(modifiers, key, boss ? "bosskey" : "screenshot");
        const QString display = displayKeyText(compact);
        const QString name = QKeySequence(key).toString(portable);
        if (isModifierKey(key) || name.isEmpty()) {
            check(compact == modifierPrefix(modifiers)
                      && (compact.isEmpty() || display.endsWith(' ')),
                  "uncompleted press", display);
            continue;
        }
        check(!display.endsWith(' ') && (!boss || compact.contains('+')), "complete combination",
              display);
        // Qt's own name for Key_Back is Backspace's display name, and it gives names with
        // outer spaces only to codes no keyboard sends.
        if (key != Qt::Key_Back && name.trimmed() == name)
            check(compactKeyText(display) == compact, "compact to display and back", compact);
        const QKeySequence combination(
            key | int(modifiers & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier)));
        if (!boss
            && QKeySequence::fromString(combination.toString(portable), portable) == combination)
            check(QKeySequence::fromString(compact, portable) == combination, "QKeySequence",
                  compact);
    }
    return 0;
}
