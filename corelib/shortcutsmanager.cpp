// SPDX-License-Identifier: LGPL-2.1-or-later
#include "shortcutsmanager.h"

#include "keytext.h"
#include "settingsfile_p.h"

#include <QDir>
#include <QGuiApplication>

#include <iterator>
#include <numeric>

ShortCutsManager *ShortCutsManager::_instance = nullptr;

namespace {
struct Action
{
    const char *name;
    const char *configName;
    const char *defaultKey;
};

// Default keys are display texts that avoid the five names the two forms spell
// differently (Enter, Return, CapsLock, PgDown, Backspace), so they read the same
// shown as they are and after compaction; no two of them collide.
constexpr Action actions[] = {
    { "Boss key", "BossKey", "Ctrl + Alt + X" },
    { "Key mapping", "KeyMap", "Ctrl + Alt + K" },
    { "Zoom in", "ZoomIn", "Ctrl + Alt + Up" },
    { "Zoom out", "ZoomOut", "Ctrl + Alt + Down" },
    { "Full screen", "FullScreen", "F11" },
    { "Home", "HomeKey", "Ctrl + Alt + H" },
    { "Shake", "Shake", "Ctrl + Alt + Z" },
    { "Screenshot", "Screenshot", "Ctrl + Alt + P" },
    { "Back", "Back", "Esc" },
    { "Recent apps", "RecentApps", "Ctrl + Alt + R" },
    { "Menu", "Menu", "Ctrl + Alt + M" },
};
static_assert(std::size(actions) == ShortCutsManager::ActionCount, "one row per action");

const QString group = QStringLiteral("ShortCuts");

QString settingsKey(int index, const char *field)
{
    return QLatin1String(actions[index].configName) + QLatin1Char('/') + QLatin1String(field);
}

ShortCutsKey defaultEntry(int index)
{
    ShortCutsKey entry;
    entry.name = QLatin1String(actions[index].name);
    entry.configName = QLatin1String(actions[index].configName);
    entry.defaultKey = QLatin1String(actions[index].defaultKey);
    entry.enabled = true;
    entry.key = TarnUI::compactKeyText(entry.defaultKey);
    return entry;
}

// Whether the file, as last read or written, does not hold what the entry says.
bool changed(const ShortCutsKey &entry, const ShortCutsKey &read)
{
    return !entry.enabledStored || !entry.keyStored || entry.enabled != read.enabled
        || entry.key != read.key;
}

// Fills an entry from the file. A value of the wrong type counts as absent; so does a key text
// that names no key, which is a line that could not be read (the result is then false).
bool readEntry(const SettingsFile &file, int index, ShortCutsKey &entry)
{
    const QString enabled = file.value(group, settingsKey(index, "Enabled"));
    const QString key = file.value(group, settingsKey(index, "Key"));
    entry.enabledStored = enabled == QLatin1String("true") || enabled == QLatin1String("false");
    if (entry.enabledStored)
        entry.enabled = enabled == QLatin1String("true");
    entry.keyStored = !key.isNull() && TarnUI::namesKey(key);
    if (entry.keyStored)
        entry.key = key;
    return key.isNull() || entry.keyStored;
}

// What the user chose for an action whose last save failed: it outlives a reload, and counts
// as set so that the page's migration of older settings leaves it alone.
ShortCutsKey unsavedEntry(ShortCutsKey entry)
{
    entry.enabledStored = true;
    entry.keyStored = true;
    return entry;
}

int focusedActionIndex()
{
    const QObject *focus = QGuiApplication::focusObject();
    const QVariant index = focus ? focus->property("ShortCutIndex") : QVariant();
    return index.isValid() ? index.toInt() : -1;
}
} // namespace

ShortCutsManager::ShortCutsManager(QObject *parent)
    : QObject(parent)
{
    loadShortCutsKey();
}

bool ShortCutsManager::loadShortCutsKey()
{
    const QString path = SettingsFile::defaultPath();
    const SettingsFile file = SettingsFile::load(path);
    const QVector<ShortCutsKey> previous = m_entries;
    m_entries.clear();
    m_read.clear();
    int unreadable = 0;
    for (int i = 0; i < ActionCount; ++i) {
        ShortCutsKey entry = defaultEntry(i);
        unreadable += !readEntry(file, i, entry);
        m_read.append(entry);
        m_entries.append(m_unsaved.contains(i) ? unsavedEntry(previous[i]) : entry);
    }
    // A damaged file's own report names its lines.
    QString error = file.errorString();
    if (error.isEmpty() && unreadable)
        error = QStringLiteral("%1: %2 line(s) could not be read")
                    .arg(QDir::toNativeSeparators(path))
                    .arg(unreadable);
    if (error.isEmpty())
        return true;
    emit storageFailed(error);
    return false;
}

ShortCutsKey ShortCutsManager::getShortCutsKey(ShortCutIndex index) const
{
    return isValid(index) ? m_entries[index] : ShortCutsKey();
}

bool ShortCutsManager::updateConfig(ShortCutIndex index, const QString &displayKey)
{
    if (!isValid(index))
        return false;
    m_entries[index].key = TarnUI::compactKeyText(displayKey);
    return true;
}

void ShortCutsManager::updateConfig(ShortCutIndex index, bool enabled, const QString &key)
{
    if (!isValid(index))
        return;
    m_entries[index].enabled = enabled;
    m_entries[index].key = key.contains(QLatin1String(" + ")) ? TarnUI::compactKeyText(key) : key;
}

bool ShortCutsManager::saveConfig(ShortCutIndex index)
{
    return isValid(index) && save({ index });
}

bool ShortCutsManager::saveAllConfigs()
{
    QVector<int> all(ActionCount);
    std::iota(all.begin(), all.end(), 0);
    return save(all);
}

// Writes only the actions that differ from what the file held when this manager last read
// or wrote it: whatever another program wrote meanwhile, to other groups, other actions or
// these, stays. The stored flags change only once the write has worked.
bool ShortCutsManager::save(const QVector<int> &indexes)
{
    SettingsFile file(SettingsFile::defaultPath());
    QVector<int> written;
    for (int index : indexes) {
        const ShortCutsKey &entry = m_entries[index];
        if (!changed(entry, m_read[index]))
            continue;
        written.append(index);
        file.setValue(group, settingsKey(index, "Enabled"),
                      entry.enabled ? QStringLiteral("true") : QStringLiteral("false"));
        file.setValue(group, settingsKey(index, "Key"), entry.key);
    }
    QString error;
    if (!file.save(&error)) {
        for (int index : qAsConst(written))
            m_unsaved.insert(index);
        emit storageFailed(error);
        return false;
    }
    for (int index : qAsConst(written)) {
        m_unsaved.remove(index);
        m_entries[index].enabledStored = true;
        m_entries[index].keyStored = true;
        m_read[index] = m_entries[index];
    }
    return true;
}

bool ShortCutsManager::checkConflicts(const QString &displayKey)
{
    const QString key = TarnUI::compactKeyText(displayKey);
    if (key.isEmpty())
        return false;
    const int asking = focusedActionIndex();
    for (int i = 0; i < ActionCount; ++i) {
        if (i != asking && m_entries[i].key == key)
            return true;
    }
    return false;
}

void ShortCutsManager::updateShortCutKey()
{
    emit shortCutsApplied();
}
