// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNLIB_SHORTCUTSMANAGER_H
#define TARNLIB_SHORTCUTSMANAGER_H

#include "tarnlib_export.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

// One action's shortcut as the manager holds it.
struct ShortCutsKey
{
    QString name; // what the action is called, for people
    QString configName; // the action's key in the settings file
    QString defaultKey; // readable as it stands in a capture field and after compaction
    bool enabled = false; // whether the shortcut is switched on
    QString key; // the current key text, compact form ("Ctrl+Alt+Q")
    bool enabledStored = false; // the settings file holds the enabled flag
    bool keyStored = false; // the settings file holds the key text
};
// The host's binary layout on 32-bit Windows: four QStrings (one pointer each) and three bools.
static_assert(sizeof(void *) != 4 || sizeof(ShortCutsKey) == 24, "ShortCutsKey layout changed");

// The shortcut configuration of the emulator's eleven actions and its storage, an INI
// file (tarnConfigPath()). Whoever finds _instance null creates the manager and stores
// it there; nobody deletes it.
//
// The manager holds key texts in compact form. A text that contains a space is taken as
// display form ("Ctrl + Alt + Q") and compacted on the way in, so the default keys, which
// are display texts, can be handed back unchanged.
class TARNLIB_EXPORT ShortCutsManager : public QObject
{
    Q_OBJECT

public:
    enum ShortCutIndex {
        BossKey,
        KeyMap,
        ZoomIn,
        ZoomOut,
        FullScreen,
        HomeKey,
        Shake,
        Screenshot,
        Back,
        RecentApps,
        Menu,
    };
    Q_ENUM(ShortCutIndex)
    static constexpr int ActionCount = Menu + 1;

    static ShortCutsManager *_instance;

    explicit ShortCutsManager(QObject *parent = nullptr);

    // Rereads the settings file; a missing, unreadable or corrupt file gives the defaults.
    void loadShortCutsKey();
    // The entry of one action; an index outside 0 to 10 gives an entry with empty names.
    ShortCutsKey getShortCutsKey(ShortCutIndex index) const;

    // Sets one action's key text in memory, from the display form. False for a bad index.
    bool updateConfig(ShortCutIndex index, const QString &displayKey);
    // Sets one action's enabled flag and key text in memory, from the compact form.
    void updateConfig(ShortCutIndex index, bool enabled, const QString &key);

    // Persist one action / all actions. The file is replaced atomically.
    void saveConfig(ShortCutIndex index);
    void saveAllConfigs();

    // Whether another action already holds the combination, given in display form.
    // "Another": when the widget that has the keyboard focus carries the dynamic
    // property "ShortCutIndex" (a capture field asking about a key it was just pressed
    // in), that action's own key is not a conflict, so pressing a field's current
    // combination again is accepted quietly. Without such a field every action counts.
    // Disabled actions count too: enabling them later would otherwise clash.
    bool checkConflicts(const QString &displayKey);

    // Stand-in only, for tests. A seeded entry replaces what loadShortCutsKey() reads
    // for its action until clearSeeds().
    void seedEntry(ShortCutIndex index, const ShortCutsKey &entry);
    void clearSeeds();
    // Every call the manager received except getShortCutsKey(), in order, as texts
    // such as "updateConfig(7,true,Ctrl+P)" or "saveConfig(7)".
    QStringList calls() const { return m_calls; }
    void clearCalls() { m_calls.clear(); }

    // The display form of a key text turned into the compact form.
    static QString compactKey(const QString &displayText);

public Q_SLOTS:
    // Applies the saved shortcuts: the stand-in announces them with shortCutsApplied().
    void updateShortCutKey();

Q_SIGNALS:
    void shortCutsApplied();

private:
    static bool isValid(int index) { return index >= 0 && index < ActionCount; }
    void record(const QString &call) { m_calls.append(call); }
    void save(const QVector<int> &indexes);

    QVector<ShortCutsKey> m_entries;
    QHash<int, ShortCutsKey> m_seeds;
    QStringList m_calls;
};

#endif
