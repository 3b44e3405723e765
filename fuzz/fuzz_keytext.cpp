// SPDX-License-Identifier: LGPL-2.1-or-later
// Key-combination texts: both conversions on arbitrary text, and composition from
// arbitrary key codes, modifier flags and field names.
#include "fuzz_common.h"
#include "keytext.h"

#include <QKeySequence>

#include <fuzzer/FuzzedDataProvider.h>

namespace {
using TarnFuzz::check;

// Arbitrary text: neither conversion fails, and a compact text never keeps a space
// beside a "+".
void convertText(const QString &text)
{
    const QString compact = TarnUI::compactKeyText(text);
    check(!compact.contains(QLatin1String(" +")) && !compact.contains(QLatin1String("+ ")),
          "compact text keeps a space beside +", compact);
    TarnUI::displayKeyText(text);
}

// Qt's Key_Back is named "Back", the display name of Backspace: the two forms cannot
// tell them apart, so only Backspace comes back.
bool roundTrips(int key)
{
    return key != Qt::Key_Back;
}

void composeKey(FuzzedDataProvider &data)
{
    const auto modifiers = Qt::KeyboardModifiers(data.ConsumeIntegral<int>());
    const int key = data.ConsumeBool() ? data.ConsumeIntegral<int>()
                                       : data.ConsumeIntegralInRange(0, 0x01ffffff);
    const QString fieldName = QString::fromStdString(data.ConsumeRandomLengthString(16));
    const QString compact = TarnUI::composeKeyText(modifiers, key, fieldName);
    const QString display = TarnUI::displayKeyText(compact);
    // A modifier key, or a key Qt has no name for, completes nothing.
    if (TarnUI::isModifierKey(key)
        || QKeySequence(key).toString(QKeySequence::PortableText).isEmpty()) {
        check(compact == TarnUI::modifierPrefix(modifiers), "uncompleted press is the prefix",
              compact);
        check(compact.isEmpty() || display.endsWith(QLatin1Char(' ')),
              "shown prefix ends with a space", display);
        return;
    }
    // Keys whose code carries modifier bits do not come from a key event.
    if (key & Qt::KeyboardModifierMask)
        return;
    check(!display.endsWith(QLatin1Char(' ')), "complete combination ends with a space", display);
    if (roundTrips(key))
        check(TarnUI::compactKeyText(display) == compact, "compact to display and back",
              compact + QLatin1String(" -> ") + display);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    TarnFuzz::startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    convertText(QString::fromStdString(data.ConsumeRandomLengthString(256)));
    // A handful of presses per input keeps each run short.
    for (int i = 0; i < 16 && data.remaining_bytes() > 0; ++i)
        composeKey(data);
    return 0;
}
