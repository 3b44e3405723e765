// SPDX-License-Identifier: LGPL-2.1-or-later
#include "settingsfile_p.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include <algorithm>
#include <cstring>

namespace {
// What this process last read from or wrote to a settings file. One slot: a process
// uses one settings file, and nothing here may grow with time.
struct LastGood
{
    QString path;
    QByteArray contents;
    // The file's bytes when it was last read or written, and what load() made of them.
    QByteArray raw;
    SettingsFile file;
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
    if (!key.contains('%') && !key.contains('\\'))
        return QString::fromLatin1(key);
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

// The character of a hex or octal escape whose digits start at i; -1 when there are none.
int escapeCode(const QByteArray &raw, int &i, int base)
{
    int end = i;
    while (end < raw.size()
           && (base == 16 ? isHexDigit(raw[end]) : raw[end] >= '0' && raw[end] <= '7'))
        ++end;
    const int code = end > i ? int(ushort(raw.mid(i, end - i).toUInt(nullptr, base))) : -1;
    i = end;
    return code;
}

QString unescapedValue(const QByteArray &raw)
{
    static const char named[] = "abfnrtv\"?'\\";
    static const char plain[] = "\a\b\f\n\r\t\v\"?'\\";
    // Not null even when empty: "Key=" holds a cleared shortcut, unlike a key that is absent.
    QString result(QLatin1String(""));
    for (int i = 0; i < raw.size();) {
        const char ch = raw[i++];
        if (ch == '"')
            continue;
        if (ch != '\\') {
            result += QLatin1Char(ch);
            continue;
        }
        const char next = i < raw.size() ? raw[i++] : '\0';
        const int code = next == 'x'     ? escapeCode(raw, i, 16)
            : next >= '0' && next <= '7' ? escapeCode(raw, --i, 8)
                                         : -1;
        if (const char *found = std::strchr(named, next); found && next)
            result += QLatin1Char(plain[found - named]);
        else if (code >= 0)
            result += QChar(code);
    }
    return result;
}

// The part of a line before an unquoted ";", or an empty array when a quote is left
// open or the line holds a NUL byte: such a line was not written by a settings writer.
QByteArray withoutComment(const QByteArray &line, bool &ok)
{
    const int size = line.size();
    const char *text = line.constData();
    const char *end = static_cast<const char *>(std::memchr(text, ';', size));
    if (!std::memchr(text, '"', size) && !std::memchr(text, '\\', size)) {
        const QByteArray content = line.left(end ? int(end - text) : size);
        ok = !content.contains('\0');
        return ok ? content : QByteArray();
    }
    bool quoted = false;
    int i = 0;
    for (; i < size && (quoted || text[i] != ';') && text[i]; ++i) {
        if (text[i] == '\\')
            i += i + 1 < size && text[i + 1];
        else if (text[i] == '"')
            quoted = !quoted;
    }
    ok = !quoted && (i == size || text[i] == ';');
    return ok ? line.left(i) : QByteArray();
}

// Flushed before commit(): Qt 5.15's QSaveFile::commit() ignores a flush that wrote
// only part of the file (a full disk, a file size limit) and renames it into place.
bool writeAtomically(const QString &path, const QByteArray &contents, QString *error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() && file.flush()
        && file.commit())
        return true;
    *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return false;
}
} // namespace

// Starts from what this process last read from or wrote to the same path and lays the
// file's readable lines over it: what the file lost to damage is kept, what another
// writer added is taken. A missing file is a fresh start.
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
    const bool known = lastGood().path == path;
    // The same bytes give the same result; a page load reads the file once per setting.
    if (known && readable && input.error() == QFileDevice::NoError
        && file.m_original == lastGood().raw)
        return lastGood().file;
    if (known)
        file.parse(lastGood().contents);
    const QString name = QDir::toNativeSeparators(path) + QLatin1String(": ");
    if (!readable || input.error() != QFileDevice::NoError) {
        file.m_status = Unreadable;
        file.m_error = name + (isFile ? input.errorString() : QStringLiteral("not a file"));
        return file;
    }
    SettingsFile read;
    const int malformed = read.parse(file.m_original);
    const int missing = file.overlay(read);
    QStringList problems;
    if (malformed)
        problems << QStringLiteral("%1 line(s) could not be read").arg(malformed);
    if (missing)
        problems << QStringLiteral("%1 setting(s) missing, kept as read before").arg(missing);
    if (!problems.isEmpty()) {
        file.m_status = Damaged;
        file.m_error = name + problems.join(QLatin1String("; "));
        file.m_keepOriginal = !file.m_original.isEmpty();
    }
    lastGood() = { path, file.serialized(), file.m_original, file };
    return file;
}

int SettingsFile::parse(const QByteArray &data)
{
    m_groups.clear();
    m_groupIndex.clear();
    int group = -1;
    int malformed = 0;
    for (const QByteArray &lines : data.split('\n')) {
        for (const QByteArray &line : lines.split('\r'))
            parseLine(line.trimmed(), group, malformed);
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
    setRawValue(m_groups[group].name, unescapedKey(key), line.mid(equals + 1).trimmed());
}

int SettingsFile::groupIndex(const QString &name)
{
    const auto found = m_groupIndex.constFind(name);
    if (found != m_groupIndex.constEnd())
        return *found;
    m_groups.append({ name, {}, {} });
    m_groupIndex.insert(name, m_groups.size() - 1);
    return m_groups.size() - 1;
}

const QByteArray *SettingsFile::rawValue(const QString &group, const QString &key) const
{
    const int g = m_groupIndex.value(group, -1);
    const int entry = g < 0 ? -1 : m_groups[g].index.value(key, -1);
    return entry < 0 ? nullptr : &m_groups[g].entries[entry].value;
}

void SettingsFile::setRawValue(const QString &group, const QString &key, const QByteArray &raw)
{
    Group &g = m_groups[groupIndex(group)];
    const int entry = g.index.value(key, -1);
    if (entry >= 0) {
        g.entries[entry].value = raw;
        return;
    }
    g.index.insert(key, g.entries.size());
    g.entries.append({ key, raw });
}

int SettingsFile::overlay(const SettingsFile &other)
{
    int missing = 0;
    for (const Group &g : qAsConst(m_groups)) {
        for (const Entry &entry : g.entries)
            missing += !other.rawValue(g.name, entry.key);
    }
    for (const Group &g : other.m_groups) {
        for (const Entry &entry : g.entries)
            setRawValue(g.name, entry.key, entry.value);
    }
    return missing;
}

QString SettingsFile::value(const QString &group, const QString &key) const
{
    const QByteArray *raw = rawValue(group, key);
    const QString text = raw ? unescapedValue(*raw) : QString();
    if (text.startsWith(QLatin1String("@@")))
        return text.mid(1);
    return text.startsWith(QLatin1Char('@')) && text.endsWith(QLatin1Char(')')) ? QString() : text;
}

void SettingsFile::setValue(const QString &group, const QString &key, const QString &value)
{
    setRawValue(group, key, escapedValue(value));
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
    m_original = contents;
    lastGood() = { m_path, contents, contents, *this };
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
