// SPDX-License-Identifier: LGPL-2.1-or-later
#include "settingsfile_p.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cstring>

namespace {
// What this process last read from or wrote to a settings file. One slot: a process
// uses one settings file, and nothing here may grow with time.
struct LastGood
{
    QString path;
    QByteArray contents;
};
LastGood &lastGood()
{
    static LastGood last;
    return last;
}

bool isKeyChar(ushort ch)
{
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9')
        || ch == '_' || ch == '-' || ch == '.';
}

// QSettings' key escaping: "/" as "\", other characters outside [A-Za-z0-9_.-] as %XX or
// %UXXXX.
QByteArray escapedKey(const QString &key)
{
    QByteArray result;
    for (const QChar c : key) {
        const ushort ch = c.unicode();
        if (ch == '/')
            result += '\\';
        else if (isKeyChar(ch))
            result += char(ch);
        else if (ch <= 0xFF)
            result += '%' + QByteArray::number(ch, 16).toUpper().rightJustified(2, '0');
        else
            result += "%U" + QByteArray::number(ch, 16).toUpper().rightJustified(4, '0');
    }
    return result;
}

QString unescapedKey(const QByteArray &key)
{
    QString result;
    for (int i = 0; i < key.size();) {
        const char ch = key.at(i);
        const int digits = key.mid(i + 1, 1) == "U" ? 4 : 2;
        const int first = i + 1 + (digits == 4);
        bool ok = false;
        const int code = ch == '%' ? key.mid(first, digits).toInt(&ok, 16) : 0;
        if (ok && first + digits <= key.size()) {
            result += QChar(code);
            i = first + digits;
        } else {
            result += ch == '\\' ? QLatin1Char('/') : QLatin1Char(ch);
            ++i;
        }
    }
    return result;
}

bool isHexDigit(char ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

// QSettings' value escaping without a text codec: C escapes, \x for control and
// non-ASCII characters (and for a hex digit right after one), quotes around values with
// separators or outer spaces, "@" doubled at the start.
QByteArray escapedValue(const QString &value)
{
    static const char plain[] = "\a\b\f\n\r\t\v";
    static const char named[] = "abfnrtv";
    const QString text = value.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + value : value;
    QByteArray result;
    bool hexNext = false;
    bool quote = false;
    for (const QChar c : text) {
        const ushort ch = c.unicode();
        quote = quote || ch == ';' || ch == ',' || ch == '=';
        const char *special = ch && ch < 0x80 ? std::strchr(plain, ch) : nullptr;
        if ((hexNext && ch < 0x80 && isHexDigit(char(ch))) || (!special && ch && ch <= 0x1F)
            || ch >= 0x7F) {
            result += "\\x" + QByteArray::number(ch, 16);
            hexNext = true;
            continue;
        }
        hexNext = ch == 0;
        if (ch == 0)
            result += "\\0";
        else if (special)
            result += QByteArray("\\") + named[special - plain];
        else if (ch == '"' || ch == '\\')
            result += QByteArray("\\") + char(ch);
        else
            result += char(ch);
    }
    if (quote || result.startsWith(' ') || result.endsWith(' '))
        return '"' + result + '"';
    return result;
}

// Reads the hex or octal digits of an escape from position i on.
ushort escapeCode(const QByteArray &raw, int &i, int base)
{
    int end = i;
    while (end < raw.size()
           && (base == 16 ? isHexDigit(raw[end]) : raw[end] >= '0' && raw[end] <= '7'))
        ++end;
    const ushort code = ushort(raw.mid(i, end - i).toUInt(nullptr, base));
    i = end;
    return code;
}

QString unescapedValue(const QByteArray &raw)
{
    static const char named[] = "abfnrtv\"?'\\";
    static const char plain[] = "\a\b\f\n\r\t\v\"?'\\";
    QString result;
    for (int i = 0; i < raw.size();) {
        const char ch = raw[i++];
        if (ch == '"')
            continue;
        if (ch != '\\' || i == raw.size()) {
            result += QLatin1Char(ch);
            continue;
        }
        const char next = raw[i++];
        if (const char *found = std::strchr(named, next); found && next)
            result += QLatin1Char(plain[found - named]);
        else if (next == 'x')
            result += QChar(escapeCode(raw, i, 16));
        else if (next >= '0' && next <= '7')
            result += QChar(escapeCode(raw, --i, 8));
    }
    return result;
}

// The part of a line before an unquoted ";", or an empty array when a quote is left
// open or the line holds a NUL byte: such a line was not written by a settings writer.
QByteArray withoutComment(const QByteArray &line, bool &ok)
{
    bool quoted = false;
    int i = 0;
    for (; i < line.size() && (quoted || line[i] != ';'); ++i) {
        if (line[i] == '\\')
            ++i;
        else if (line[i] == '"')
            quoted = !quoted;
    }
    ok = !quoted && !line.contains('\0');
    return ok ? line.left(i) : QByteArray();
}

bool writeAtomically(const QString &path, const QByteArray &contents, QString *error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() && file.commit())
        return true;
    *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return false;
}
} // namespace

SettingsFile SettingsFile::load(const QString &path)
{
    SettingsFile file;
    file.m_path = path;
    QFile input(path);
    if (!input.exists()) {
        lastGood() = {};
        return file;
    }
    const bool isFile = QFileInfo(path).isFile();
    const bool readable = isFile && input.open(QIODevice::ReadOnly);
    file.m_original = readable ? input.readAll() : QByteArray();
    if (!readable || input.error() != QFileDevice::NoError) {
        file.m_status = Unreadable;
        file.m_error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path),
                                                    isFile ? input.errorString()
                                                           : QStringLiteral("not a file"));
        if (lastGood().path == path)
            file.parse(lastGood().contents);
        return file;
    }
    const int malformed = file.parse(file.m_original);
    file.m_status = malformed ? Malformed : Ok;
    if (malformed)
        file.m_error = QStringLiteral("%1: %2 line(s) could not be read")
                           .arg(QDir::toNativeSeparators(path))
                           .arg(malformed);
    if (file.isEmpty() && lastGood().path == path) {
        file.parse(lastGood().contents);
        file.m_status = Malformed;
        file.m_error = QStringLiteral("%1: holds no settings; keeping the ones read before")
                           .arg(QDir::toNativeSeparators(path));
    }
    file.m_keepOriginal = file.m_status == Malformed && !file.m_original.isEmpty();
    lastGood() = { path, file.serialized() };
    return file;
}

int SettingsFile::parse(const QByteArray &data)
{
    m_groups.clear();
    int group = -1;
    int malformed = 0;
    int start = 0;
    while (start < data.size()) {
        int end = start;
        while (end < data.size() && data[end] != '\n' && data[end] != '\r')
            ++end;
        parseLine(data.mid(start, end - start).trimmed(), group, malformed);
        start = end + 1;
    }
    return malformed;
}

// Keys before the first group header belong to "General", as in QSettings. A group
// header without its "]" still names the group, so that the lines after it keep their
// place; the header itself counts as malformed.
void SettingsFile::parseLine(QByteArray line, int &group, int &malformed)
{
    if (line.isEmpty() || line.startsWith(';'))
        return;
    bool ok = true;
    if (line.startsWith('[')) {
        const int close = line.indexOf(']');
        ok = close > 0 && !line.contains('\0');
        const QByteArray name = line.mid(1, close > 0 ? close - 1 : -1).trimmed();
        group = groupIndex(unescapedKey(name));
        malformed += !ok;
        return;
    }
    line = withoutComment(line, ok);
    const int equals = line.indexOf('=');
    const QByteArray key = line.left(std::max(equals, 0)).trimmed();
    if (!ok || key.isEmpty()) {
        ++malformed;
        return;
    }
    if (group < 0)
        group = groupIndex(QStringLiteral("General"));
    const QString name = unescapedKey(key);
    QVector<Entry> &entries = m_groups[group].entries;
    auto found = std::find_if(entries.begin(), entries.end(),
                              [&](const Entry &entry) { return entry.key == name; });
    const QByteArray value = line.mid(equals + 1).trimmed();
    if (found != entries.end())
        found->value = value;
    else
        entries.append({ name, value });
}

int SettingsFile::groupIndex(const QString &name)
{
    const auto found = std::find_if(m_groups.begin(), m_groups.end(),
                                    [&](const Group &group) { return group.name == name; });
    if (found != m_groups.end())
        return int(found - m_groups.begin());
    m_groups.append({ name, {} });
    return m_groups.size() - 1;
}

QString SettingsFile::value(const QString &group, const QString &key) const
{
    for (const Group &g : m_groups) {
        if (g.name != group)
            continue;
        for (const Entry &entry : g.entries) {
            if (entry.key != key)
                continue;
            const QString text = unescapedValue(entry.value);
            if (text.startsWith(QLatin1String("@@")))
                return text.mid(1);
            return text.startsWith(QLatin1Char('@')) && text.endsWith(QLatin1Char(')')) ? QString()
                                                                                        : text;
        }
    }
    return {};
}

void SettingsFile::setValue(const QString &group, const QString &key, const QString &value)
{
    QVector<Entry> &entries = m_groups[groupIndex(group)].entries;
    const QByteArray escaped = escapedValue(value);
    for (Entry &entry : entries) {
        if (entry.key == key) {
            entry.value = escaped;
            return;
        }
    }
    entries.append({ key, escaped });
}

bool SettingsFile::save(QString *error)
{
    if (m_status == Unreadable) {
        *error = m_error + QStringLiteral("; not written over");
        return false;
    }
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    if (m_keepOriginal && !writeAtomically(m_path + QLatin1String(".bak"), m_original, error))
        return false;
    const QByteArray contents = serialized();
    if (!writeAtomically(m_path, contents, error))
        return false;
    m_keepOriginal = false;
    m_status = Ok;
    m_error.clear();
    lastGood() = { m_path, contents };
    return true;
}

QByteArray SettingsFile::serialized() const
{
    QByteArray contents;
    for (const Group &group : m_groups) {
        if (group.entries.isEmpty())
            continue;
        if (!contents.isEmpty())
            contents += '\n';
        contents += '[' + escapedKey(group.name) + "]\n";
        for (const Entry &entry : group.entries)
            contents += escapedKey(entry.key) + '=' + entry.value + '\n';
    }
    return contents;
}

bool SettingsFile::isEmpty() const
{
    return std::all_of(m_groups.begin(), m_groups.end(),
                       [](const Group &group) { return group.entries.isEmpty(); });
}
