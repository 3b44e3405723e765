// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNLIB_SETTINGSFILE_P_H
#define TARNLIB_SETTINGSFILE_P_H

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVector>

// The settings file, an INI file read as QSettings reads it and written in the format
// QSettings writes (groups, "Screenshot\Key"-style escaped keys, escaped and quoted values).
// Read and written here rather than through QSettings, which keeps an access or format
// error of a file for the rest of the process and reads a whole file as empty because of
// one bad line.
//
// Other programs write the same file: other copies of this one, QSettings. A save takes
// the lock QSettings' sync() takes (<path>.lock), rereads the file under it and writes
// back what it holds with only this object's own changes laid over it.
//
// A line that cannot be parsed costs that line only. What a damaged or unreadable file
// does not give is taken from what this process last read from or wrote to the same path,
// so a passing fault never turns the user's keys into defaults. A file that reads cleanly
// is taken as it is: what another writer removed stays removed.
class SettingsFile
{
public:
    enum Status {
        Ok,
        Missing, // no file: nothing stored yet
        Unreadable, // exists but cannot be read, or is too large; never written over
        Damaged, // lines that could not be parsed; the file is kept as <path>.bak before
                 // the next write
    };

    // Nothing read: changes made with setValue() go into the file at save().
    SettingsFile() = default;
    explicit SettingsFile(const QString &path);
    static SettingsFile load(const QString &path);
    // Where the manager and the facade keep their settings.
    static QString defaultPath();

    Status status() const { return m_status; }
    // Why the file did not read cleanly; empty when it did.
    QString errorString() const { return m_error; }

    // The text stored under group and key (as read, or as the last save() wrote it), as
    // QSettings::value().toString() gives it; a null string when there is none or the value
    // is not a text (a list, a rectangle...).
    // The group "" holds the keys before the first group header.
    QString value(const QString &group, const QString &key) const;
    void setValue(const QString &group, const QString &key, const QString &value);

    // Under the file's lock: rereads the file, lays this object's changes over it and
    // replaces it atomically, keeping a damaged file as <path>.bak first. False, with the
    // reason in error, when nothing was written.
    bool save(QString *error);

private:
    struct Entry
    {
        QString key;
        QByteArray value; // as written in the file, escaped
    };
    struct Group
    {
        QString name;
        QVector<Entry> entries; // in file order
        QHash<QString, int> index; // indexKey() of a key to its position in entries
    };
    struct Change
    {
        QString group;
        QString key;
        QByteArray value;
    };

    bool write(QString *error);
    int parse(const QByteArray &data);
    int groupIndex(const QString &name);
    const QByteArray *rawValue(const QString &group, const QString &key) const;
    void setRawValue(const QString &group, const QString &key, const QByteArray &raw);
    void setPathValue(const QString &section, const QString &key, const QByteArray &raw);
    // Takes every value of other; the result is how many of this file's own were not there.
    int overlay(const SettingsFile &other);
    QByteArray serialized() const;

    QString m_path;
    QVector<Group> m_groups;
    QHash<QString, int> m_groupIndex; // indexKey() of a group's name to its position
    QVector<Change> m_changes;
    QByteArray m_original;
    bool m_utf8 = false; // began with a UTF-8 byte-order mark: plain bytes of values are UTF-8
    bool m_keepOriginal = false;
    Status m_status = Missing;
    QString m_error;
};

#endif
