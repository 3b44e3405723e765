// SPDX-License-Identifier: LGPL-2.1-or-later
#include "keytext.h"

#include <QHash>
#include <QKeySequence>
#include <QStringList>

#include <algorithm>

namespace TarnUI {

namespace {
QString portableText(int keyOrModifier)
{
    return QKeySequence(keyOrModifier).toString(QKeySequence::PortableText);
}

// Qt 5.15 renders Key_Meta as a stray character instead of its name.
QString keyName(int key)
{
    return key == Qt::Key_Meta ? QStringLiteral("Meta") : portableText(key);
}

// The display names of the keys the two forms spell differently, turned back into
// their compact names. The keypad Enter is "Enter2" on screen and "Enter" when stored;
// the main Enter key is "Enter" on screen and "Return" when stored. Qt's own "Back" key
// reads like Backspace on screen and is stored as Backspace.
QString compactKeyName(const QString &displayName)
{
    static const QHash<QString, QString> names = {
        { QStringLiteral("Enter2"), QStringLiteral("Enter") },
        { QStringLiteral("Enter"), QStringLiteral("Return") },
        { QStringLiteral("Cap"), QStringLiteral("CapsLock") },
        { QStringLiteral("PgDn"), QStringLiteral("PgDown") },
        { QStringLiteral("Back"), QStringLiteral("Backspace") },
    };
    return names.value(displayName, displayName);
}

QString withoutOuterSpaces(const QString &part)
{
    int begin = 0;
    int end = part.size();
    while (begin < end && part.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && part.at(end - 1) == QLatin1Char(' '))
        --end;
    return part.mid(begin, end - begin);
}
} // namespace

// Plain substring replacement is safe here: no key name Qt gives contains one of the
// replaced names inside a longer one. The keypad "Enter" has to become "Enter2" before
// "Return" becomes "Enter", or the main Enter key would end up as "Enter2".
QString displayKeyText(const QString &compact)
{
    QString text = compact;
    text.replace(QLatin1String("Ctrl+"), QLatin1String("Ctrl + "))
        .replace(QLatin1String("Alt+"), QLatin1String("Alt + "))
        .replace(QLatin1String("Shift+"), QLatin1String("Shift + "))
        .replace(QLatin1String("Enter"), QLatin1String("Enter2"))
        .replace(QLatin1String("Return"), QLatin1String("Enter"))
        .replace(QLatin1String("CapsLock"), QLatin1String("Cap"))
        .replace(QLatin1String("PgDown"), QLatin1String("PgDn"))
        .replace(QLatin1String("Backspace"), QLatin1String("Back"));
    return text;
}

// Works on whole names between the "+" separators rather than on substrings, so that
// names which contain a shortened name or a space come back as Qt spells them:
// "Backtab" stays "Backtab" (not "Backspacetab") and "Volume Up" keeps its inner space.
// Only the spaces around each name go. Splitting at every "+" also keeps the "+" key
// itself: "Ctrl + +" splits into "Ctrl", "" and "", which join again to "Ctrl++".
QString compactKeyText(const QString &display)
{
    QStringList parts = display.split(QLatin1Char('+'));
    for (QString &part : parts)
        part = compactKeyName(withoutOuterSpaces(part));
    return parts.join(QLatin1Char('+'));
}

QString modifierPrefix(Qt::KeyboardModifiers modifiers)
{
    QString prefix;
    if (modifiers & Qt::ControlModifier)
        prefix += portableText(Qt::CTRL);
    if (modifiers & Qt::ShiftModifier)
        prefix += portableText(Qt::SHIFT);
    if (modifiers & Qt::AltModifier)
        prefix += portableText(Qt::ALT);
    return prefix;
}

bool isModifierKey(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt;
}

// A key Qt has no name for (Qt::Key_unknown) completes nothing either, like a modifier
// key: taken as a combination, it would store the bare prefix or an empty text.
QString composeKeyText(Qt::KeyboardModifiers modifiers, int key, const QString &fieldName)
{
    QString text = modifierPrefix(modifiers);
    const QString name = isModifierKey(key) ? QString() : keyName(key);
    if (name.isEmpty())
        return text;
    text += name;
    if (fieldName.contains(QLatin1String("bosskey")) && !text.contains(QLatin1Char('+'))) {
        text.prepend(text.contains(QLatin1String("Space")) ? QLatin1String("Ctrl+Alt+")
                                                           : QLatin1String("Alt+"));
    }
    return text;
}

bool namesKey(const QString &compact)
{
    QString key = compact;
    for (const QLatin1String modifier : { QLatin1String("Ctrl+"), QLatin1String("Shift+"),
                                          QLatin1String("Alt+"), QLatin1String("Meta+") }) {
        if (key.startsWith(modifier))
            key.remove(0, modifier.size());
    }
    // One character is a key whatever Qt calls it. Capture fields store what Qt 5.15 makes of
    // keys it has no name for (a character and a lone surrogate) and its "Meta", and Qt reads
    // neither back: only a written name, plain ASCII, is asked of Qt.
    const bool written =
        std::all_of(key.begin(), key.end(), [](QChar c) { return c.unicode() < 0x80; });
    return key.size() <= 1 || !written || key == QLatin1String("Meta")
        || QKeySequence::fromString(key, QKeySequence::PortableText)[0]
        != QKeySequence(Qt::Key_unknown)[0];
}

} // namespace TarnUI
