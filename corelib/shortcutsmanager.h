// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNLIB_SHORTCUTSMANAGER_H
#define TARNLIB_SHORTCUTSMANAGER_H

#include "tarnlib_export.h"

#include <QObject>
#include <QSet>
#include <QString>
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
// file shared with other programs: "tarn.ini" in
// QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation), read afresh at every
// load and save. A host chooses it with its organisation and application names (and on Linux
// XDG_CONFIG_HOME): ~/.config/<organisation>/<application>/tarn.ini by default. The facade's
// older settings are read from the same file. Whoever finds _instance null creates the manager
// and stores it there; nobody deletes it.
//
// The manager holds key texts in compact form. A text with " + " in it is taken as display
// form ("Ctrl + Alt + Q") and compacted on the way in, so the default keys, which are
// display texts, can be handed back unchanged.
//
// Storage faults never turn the user's keys into defaults: a line that cannot be read
// costs that line only, a file that cannot be read gives what this process read last, and
// a failed write leaves both the file and the entries' stored flags as they were. Each
// fault is reported by a false result and by storageFailed().
class TARNLIB_EXPORT ShortCutsManager : public QObject
{
    Q_OBJECT

public:
    enum ShortCutIndex : int {
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

    // Rereads the settings file. Defaults fill in what the file does not hold; an action
    // whose last save failed keeps what it was given, to be written by the next save that
    // works. False when the file exists but could not be read whole.
    bool loadShortCutsKey();
    // The entry of one action; an index outside 0 to 10 gives an entry with empty names.
    ShortCutsKey getShortCutsKey(ShortCutIndex index) const;

    // Sets one action's key text in memory, from the display form. False for a bad index.
    bool updateConfig(ShortCutIndex index, const QString &displayKey);
    // Sets one action's enabled flag and key text in memory, from the compact form.
    void updateConfig(ShortCutIndex index, bool enabled, const QString &key);

    // Persist one action / all actions. The file is replaced atomically, never written
    // over while it cannot be read, and kept as <file>.bak first when it held lines that
    // could not be read. False when nothing was written.
    bool saveConfig(ShortCutIndex index);
    bool saveAllConfigs();

    // Whether another action already holds the combination, given in display form.
    // "Another": when the widget that has the keyboard focus carries the dynamic
    // property "ShortCutIndex" (a capture field asking about a key it was just pressed
    // in), that action's own key is not a conflict, so pressing a field's current
    // combination again is accepted quietly. Without such a field every action counts.
    // Disabled actions count too: enabling them later would otherwise clash.
    bool checkConflicts(const QString &displayKey);

public Q_SLOTS:
    // Applies the saved shortcuts: the stand-in announces them with shortCutsApplied().
    void updateShortCutKey();

Q_SIGNALS:
    void shortCutsApplied();
    // The settings file could not be read whole, or a save wrote nothing; reason says
    // which file and why.
    void storageFailed(const QString &reason);

private:
    static bool isValid(int index) { return index >= 0 && index < ActionCount; }
    bool save(const QVector<int> &indexes);

    QVector<ShortCutsKey> m_entries;
    QVector<ShortCutsKey> m_read; // what the file held at the last load or save
    QSet<int> m_unsaved; // actions whose last save failed: kept over a reload until one works
};

#endif
