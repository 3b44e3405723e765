// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNLIB_SETTINGSFILE_P_H
#define TARNLIB_SETTINGSFILE_P_H

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVector>

// The settings file, an INI file in the format QSettings reads and writes (groups,
// "Screenshot\Key"-style escaped keys, escaped and quoted values). Read and written here
// rather than through QSettings, which keeps an access or format error of a file for the
// rest of the process and reads a whole file as empty because of one bad line.
//
// A line that cannot be parsed costs that line only. What a damaged or unreadable file
// does not give is taken from what this process last read from or wrote to the same path,
// so a passing fault never turns the user's keys into defaults.
class SettingsFile
{
public:
    enum Status {
        Ok,
        Missing, // no file: nothing stored yet
        Unreadable, // exists but cannot be read; never written over
        Damaged, // lines that could not be parsed, or settings gone since the last read;
                 // the file is kept as <path>.bak before the next write
    };

    static SettingsFile load(const QString &path);

    Status status() const { return m_status; }
    // Why the file did not read cleanly; empty when it did.
    QString errorString() const { return m_error; }

    // The text stored under group and key; a null string when there is none or the value
    // is not a plain text (QSettings' "@Variant(...)" and the like).
    QString value(const QString &group, const QString &key) const;
    void setValue(const QString &group, const QString &key, const QString &value);

    // Replaces the file atomically; a file with unreadable lines is first kept beside it
    // as <path>.bak. False, with the reason in error, when nothing was written.
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
        QHash<QString, int> index; // key to position in entries
    };

    int parse(const QByteArray &data);
    void parseLine(QByteArray line, int &group, int &malformed);
    int groupIndex(const QString &name);
    const QByteArray *rawValue(const QString &group, const QString &key) const;
    void setRawValue(const QString &group, const QString &key, const QByteArray &raw);
    // Takes every value of other; the result is how many of this file's own were not there.
    int overlay(const SettingsFile &other);
    QByteArray serialized() const;

    QString m_path;
    QVector<Group> m_groups;
    QHash<QString, int> m_groupIndex;
    QByteArray m_original;
    bool m_keepOriginal = false;
    Status m_status = Missing;
    QString m_error;
};

#endif
