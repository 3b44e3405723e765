// SPDX-License-Identifier: LGPL-2.1-or-later
#include "shortcutsmanager.h"

#include "tarnlib.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QSettings>

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

QString settingsKey(int index, const char *field)
{
    return QLatin1String("ShortCuts/") + QLatin1String(actions[index].configName) + QLatin1Char('/')
        + QLatin1String(field);
}

ShortCutsKey defaultEntry(int index)
{
    ShortCutsKey entry;
    entry.name = QLatin1String(actions[index].name);
    entry.configName = QLatin1String(actions[index].configName);
    entry.defaultKey = QLatin1String(actions[index].defaultKey);
    entry.enabled = true;
    entry.key = ShortCutsManager::compactKey(entry.defaultKey);
    return entry;
}

// Fills an entry from the file. A value of the wrong type counts as absent.
void readEntry(const QSettings &settings, int index, ShortCutsKey &entry)
{
    const QVariant enabled = settings.value(settingsKey(index, "Enabled"));
    const QVariant key = settings.value(settingsKey(index, "Key"));
    entry.enabledStored = enabled.type() == QVariant::String
        && (enabled == QLatin1String("true") || enabled == QLatin1String("false"));
    if (entry.enabledStored)
        entry.enabled = enabled.toBool();
    entry.keyStored = key.type() == QVariant::String;
    if (entry.keyStored)
        entry.key = key.toString();
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
    m_calls.clear();
}

QString ShortCutsManager::compactKey(const QString &text)
{
    static const QStringList modifiers = { QStringLiteral("Ctrl+"), QStringLiteral("Shift+"),
                                           QStringLiteral("Alt+"), QStringLiteral("Meta+") };
    QString compact = text;
    compact.remove(QLatin1Char(' '));
    int keyStart = 0;
    for (bool found = true; found;) {
        found = false;
        for (const QString &modifier : modifiers) {
            if (compact.midRef(keyStart).startsWith(modifier)
                && compact.size() > keyStart + modifier.size()) {
                keyStart += modifier.size();
                found = true;
            }
        }
    }
    static const QHash<QString, QString> names = {
        { QStringLiteral("Enter2"), QStringLiteral("Enter") },
        { QStringLiteral("Enter"), QStringLiteral("Return") },
        { QStringLiteral("Cap"), QStringLiteral("CapsLock") },
        { QStringLiteral("PgDn"), QStringLiteral("PgDown") },
        { QStringLiteral("Back"), QStringLiteral("Backspace") },
    };
    const QString keyName = compact.mid(keyStart);
    return compact.left(keyStart) + names.value(keyName, keyName);
}

void ShortCutsManager::loadShortCutsKey()
{
    record(QStringLiteral("loadShortCutsKey()"));
    const QSettings settings(tarnConfigPath(), QSettings::IniFormat);
    const bool readable = settings.status() == QSettings::NoError;
    m_entries.clear();
    for (int i = 0; i < ActionCount; ++i) {
        ShortCutsKey entry = defaultEntry(i);
        if (readable)
            readEntry(settings, i, entry);
        m_entries.append(m_seeds.value(i, entry));
    }
}

ShortCutsKey ShortCutsManager::getShortCutsKey(ShortCutIndex index) const
{
    return isValid(index) ? m_entries[index] : ShortCutsKey();
}

bool ShortCutsManager::updateConfig(ShortCutIndex index, const QString &displayKey)
{
    record(QStringLiteral("updateConfig(%1,%2)").arg(index).arg(displayKey));
    if (!isValid(index))
        return false;
    m_entries[index].key = compactKey(displayKey);
    return true;
}

void ShortCutsManager::updateConfig(ShortCutIndex index, bool enabled, const QString &key)
{
    record(QStringLiteral("updateConfig(%1,%2,%3)")
               .arg(index)
               .arg(enabled ? QLatin1String("true") : QLatin1String("false"), key));
    if (!isValid(index))
        return;
    m_entries[index].enabled = enabled;
    m_entries[index].key = key.contains(QLatin1Char(' ')) ? compactKey(key) : key;
}

void ShortCutsManager::saveConfig(ShortCutIndex index)
{
    record(QStringLiteral("saveConfig(%1)").arg(index));
    if (isValid(index))
        save({ index });
}

void ShortCutsManager::saveAllConfigs()
{
    record(QStringLiteral("saveAllConfigs()"));
    QVector<int> all(ActionCount);
    std::iota(all.begin(), all.end(), 0);
    save(all);
}

// QSettings writes the INI file through QSaveFile, so a crash or a full disk leaves
// the previous file intact rather than half of a new one.
void ShortCutsManager::save(const QVector<int> &indexes)
{
    const QString path = tarnConfigPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSettings settings(path, QSettings::IniFormat);
    for (int index : indexes) {
        ShortCutsKey &entry = m_entries[index];
        settings.setValue(settingsKey(index, "Enabled"),
                          entry.enabled ? QStringLiteral("true") : QStringLiteral("false"));
        settings.setValue(settingsKey(index, "Key"), entry.key);
        entry.enabledStored = true;
        entry.keyStored = true;
    }
    settings.sync();
}

bool ShortCutsManager::checkConflicts(const QString &displayKey)
{
    record(QStringLiteral("checkConflicts(%1)").arg(displayKey));
    const QString key = compactKey(displayKey);
    if (key.isEmpty())
        return false;
    const int asking = focusedActionIndex();
    for (int i = 0; i < ActionCount; ++i) {
        if (i != asking && m_entries[i].key == key)
            return true;
    }
    return false;
}

void ShortCutsManager::seedEntry(ShortCutIndex index, const ShortCutsKey &entry)
{
    if (!isValid(index))
        return;
    m_seeds.insert(index, entry);
    m_entries[index] = entry;
}

void ShortCutsManager::clearSeeds()
{
    m_seeds.clear();
}

void ShortCutsManager::updateShortCutKey()
{
    record(QStringLiteral("updateShortCutKey()"));
    emit shortCutsApplied();
}
