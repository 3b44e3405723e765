// SPDX-License-Identifier: LGPL-2.1-or-later
#include "settingsfile_p.h"

#include <QDataStream>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

#include <algorithm>
#include <cstring>

namespace {
// Larger than any settings file: such a file is not read, nor written over.
constexpr qint64 kMaxSize = 16 << 20;
// QSettings waits for the lock without limit; a writer that holds it this long is stuck.
constexpr int kLockWaitMs = 10000;
const char kByteOrderMark[] = "\xEF\xBB\xBF";
// QSettings ends the lines it writes with CR LF on Windows.
#ifdef Q_OS_WIN
const char kEndOfLine[] = "\r\n";
#else
const char kEndOfLine[] = "\n";
#endif

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

// QSettings of Qt 6 reads INI files a little differently from Qt 5's; the file is read as the
// QSettings of the Qt this library is built with reads it.
constexpr bool kQt6Settings = QT_VERSION >= QT_VERSION_CHECK(6, 0, 0);

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

bool isHexDigit(char ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

bool isLineBreakPair(char first, char second)
{
    return (first == '\n' && second == '\r') || (first == '\r' && second == '\n');
}

// The character of "%XX" or "%UXXXX" at i and the escape's length; -1 when the two or four
// characters are no number, and then the "%" stays as it is. Read by QByteArray::toInt(), as
// QSettings reads them: a sign, "0x" and blanks around the digits are taken too. Qt 6 reads
// them with toUInt(), which refuses a minus sign.
int keyEscape(const QByteArray &key, int i, int &length)
{
    const int first = i + 1 + (key.mid(i + 1, 1) == "U");
    const int digits = first > i + 1 ? 4 : 2;
    bool ok = false;
    const QByteArray number = key.mid(first, digits);
    const int code = kQt6Settings ? int(number.toUInt(&ok, 16)) : number.toInt(&ok, 16);
    if (!ok || first + digits > key.size())
        return -1;
    length = first + digits - i;
    return ushort(code);
}

QString unescapedKey(const QByteArray &key)
{
    if (!key.contains('%') && !key.contains('\\'))
        return QString::fromLatin1(key);
    QString result;
    for (int i = 0; i < key.size();) {
        int length = 1;
        const int code = key[i] == '%' ? keyEscape(key, i, length) : -1;
        if (code >= 0)
            result += QChar(code);
        else
            result += key[i] == '\\' ? QLatin1Char('/') : QLatin1Char(key[i]);
        i += length;
    }
    return result;
}

// QSettings' value escaping without a text codec: C escapes, \x for control and
// non-ASCII characters (on Qt 6 only for halves of surrogate pairs, which a character at a
// time cannot carry in UTF-8; the others in UTF-8) and for a hex digit right after one, quotes
// around values with separators or outer spaces, "@" doubled at the start.
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
            || (ch >= 0x7F && (!kQt6Settings || c.isSurrogate()))) {
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
        else if (ch >= 0x7F) // Qt 6 writes them as they are, in UTF-8
            result += QString(c).toUtf8();
        else
            result += char(ch);
    }
    if (quote || result.startsWith(' ') || result.endsWith(' '))
        return '"' + result + '"';
    return result;
}

// The character of a hex or octal escape whose digits start at i, taking every digit as
// QSettings does and keeping the low 16 bits; -1 when there are none.
int escapeCode(const QByteArray &raw, int &i, int base)
{
    uint code = 0;
    const int start = i;
    for (; i < raw.size() && (base == 16 ? isHexDigit(raw[i]) : raw[i] >= '0' && raw[i] <= '7');
         ++i) {
        const char ch = raw[i];
        code = code * base + uint(ch <= '9' ? ch - '0' : (ch | 0x20) - 'a' + 10);
    }
    return i > start ? int(ushort(code)) : -1;
}

// The character an escape stands for, or -1 for one that stands for nothing (an unknown
// letter, a line continuation); i is past the escape.
int escaped(const QByteArray &raw, int &i)
{
    static const char named[] = "abfnrtv\"?'\\";
    static const char plain[] = "\a\b\f\n\r\t\v\"?'\\";
    const char next = raw[i++];
    if (const char *found = std::strchr(named, next); found && next)
        return uchar(plain[found - named]);
    if (next == 'x')
        return escapeCode(raw, i, 16);
    if (next >= '0' && next <= '7')
        return escapeCode(raw, --i, 8);
    i += i < raw.size() && isLineBreakPair(next, raw[i]);
    return -1;
}

int skipSpaces(const QByteArray &raw, int i)
{
    while (i < raw.size() && (raw[i] == ' ' || raw[i] == '\t'))
        ++i;
    return i;
}

// A value as QSettings reads it: outer spaces dropped unless quoted, escapes, plain bytes
// as Latin-1 (UTF-8 in a file with a byte-order mark). Null for a list (an unquoted comma).
QString unescapedValue(const QByteArray &raw, bool utf8)
{
    // Not null even when empty: "Key=" holds a cleared shortcut, unlike a key that is absent.
    QString result(QLatin1String(""));
    bool inQuotes = false;
    bool quoted = false; // then no trailing space is dropped
    int kept = 0; // trailing spaces up to here were escaped: they stay
    for (int i = skipSpaces(raw, 0); i < raw.size();) {
        const char ch = raw[i];
        if (ch == '\\') {
            // At the very end of the file it stands for nothing, as before a line break.
            if (const int code = ++i < raw.size() ? escaped(raw, i) : -1; code >= 0)
                result += QChar(code);
            kept = result.size();
        } else if (ch == '"') {
            inQuotes = !inQuotes;
            quoted = true;
            i = inQuotes ? i + 1 : skipSpaces(raw, i + 1);
        } else if (ch == ',' && !inQuotes) {
            return QString();
        } else {
            int end = i + 1;
            while (end < raw.size() && !std::strchr("\\\",", raw[end]))
                ++end;
            result += utf8 ? QString::fromUtf8(raw.constData() + i, end - i)
                           : QString::fromLatin1(raw.constData() + i, end - i);
            i = end;
        }
    }
    while (!quoted && result.size() > kept
           && (result.endsWith(QLatin1Char(' ')) || result.endsWith(QLatin1Char('\t'))))
        result.chop(1);
    return result;
}

// The text of a value, as QVariant::toString() gives what QSettings makes of it: the
// "@Type(...)" forms decoded, null for those that hold no text (a rectangle, a date).
QString textOf(const QString &text)
{
    const auto inner = [&](int prefix) {
        return text.mid(prefix, text.size() - prefix - 1);
    };
    if (!text.startsWith(QLatin1Char('@')) || !text.endsWith(QLatin1Char(')')))
        return text.startsWith(QLatin1String("@@")) ? text.mid(1) : text;
    if (text.startsWith(QLatin1String("@String(")))
        return inner(8);
    if (text.startsWith(QLatin1String("@ByteArray(")))
        return QString::fromUtf8(inner(11).toLatin1());
    for (const char *form : { "@DateTime(", "@Rect(", "@Size(", "@Point(" }) {
        if (text.startsWith(QLatin1String(form)))
            return QString();
    }
    if (text == QLatin1String("@Invalid()"))
        return QString();
    if (!text.startsWith(QLatin1String("@Variant(")))
        return text.startsWith(QLatin1String("@@")) ? text.mid(1) : text;
    QByteArray bytes = inner(9).toLatin1();
    QDataStream stream(&bytes, QIODevice::ReadOnly);
    stream.setVersion(QDataStream::Qt_4_0);
    QVariant variant;
    stream >> variant;
    return variant.canConvert<QString>() ? variant.toString() : QString();
}

// One line of the file as QSettings' reader finds it, from pos: leading space skipped,
// up to the end of the line or an unquoted ";", a backslash before a line break
// continuing it. equals is the first unquoted "=", -1 when there is none. false when the
// line cannot be what a settings writer wrote: a quote left open, a NUL byte.
bool nextLine(const QByteArray &data, int &pos, int &start, int &end, int &equals)
{
    const int size = data.size();
    const char *text = data.constData();
    while (pos < size && std::strchr(" \t\r\n", text[pos]) && text[pos])
        ++pos;
    start = pos;
    equals = -1;
    bool quoted = false;
    bool nul = false;
    int i = start;
    for (; i < size && text[i] != '\n' && text[i] != '\r' && (quoted || text[i] != ';'); ++i) {
        if (text[i] == '=' && !quoted && equals == -1)
            equals = i;
        else if (text[i] == '"')
            quoted = !quoted;
        else if (text[i] == '\\' && i + 1 < size)
            i += 1 + (i + 2 < size && isLineBreakPair(text[i + 1], text[i + 2]));
        nul = nul || !text[i];
    }
    end = i;
    while (i < size && text[i] != '\n' && text[i] != '\r')
        ++i; // a comment
    pos = i;
    return !quoted && !nul;
}

bool writeAtomically(const QString &path, const QByteArray &contents, QString *error)
{
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
    // Qt 5.15's QSaveFile::commit() ignores a flush that wrote only part of the file (a
    // full disk, a file size limit) and renames it into place.
    ok = ok && file.flush();
    if (ok && file.commit())
        return true;
    *error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return false;
}

// What a writer killed inside QSaveFile::commit(), between naming its temporary file and
// renaming it into place, leaves: <name>.XXXXXX, six ASCII letters that Qt draws at random.
// Safe to remove under the lock, which every writer of the file holds while it writes. A
// suffix all in one case is left alone: it is more likely a word someone chose ("backup").
bool isStaleTemporary(const QString &file, const QString &prefix)
{
    if (!file.startsWith(prefix))
        return false;
    const QStringView suffix = QStringView(file).mid(prefix.size());
    const QStringView random = suffix.startsWith(QLatin1String("bak.")) ? suffix.mid(4) : suffix;
    const auto letter = [](QChar c) {
        return c.unicode() < 0x80 && c.isLetter();
    };
    const auto lower = [](QChar c) {
        return c.isLower();
    };
    return random.size() == 6 && std::all_of(random.begin(), random.end(), letter)
        && std::any_of(random.begin(), random.end(), lower)
        && !std::all_of(random.begin(), random.end(), lower);
}

void removeStaleTemporaries(const QString &path)
{
    const QFileInfo info(path);
    const QString prefix = info.fileName() + QLatin1Char('.');
    // No name filter: QDirIterator makes a regular expression of it on every save.
    QDirIterator found(info.absolutePath(), QDir::Files | QDir::Hidden | QDir::System);
    while (found.hasNext()) {
        found.next();
        if (isStaleTemporary(found.fileName(), prefix))
            QFile::remove(found.filePath());
    }
}

QString sectionName(const QByteArray &header)
{
    if (qstricmp(header.constData(), "general") == 0)
        return QString(); // the keys outside any group
    if (qstricmp(header.constData(), "%general") == 0)
        return QString::fromLatin1(header.mid(1)); // a group QSettings calls "General"
    return unescapedKey(header);
}

// QSettings built for Windows knows the groups and keys of an INI file without regard to case,
// as lower-case text, the spelling read first kept; elsewhere by their exact text.
QString indexKey(const QString &name)
{
#ifdef Q_OS_WIN
    return name.toLower();
#else
    return name;
#endif
}

QByteArray sectionHeader(const QString &group)
{
    if (group.isEmpty())
        return "[General]";
    if (group.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0)
        return "[%General]";
    return '[' + escapedKey(group) + ']';
}
} // namespace

SettingsFile::SettingsFile(const QString &path)
    : m_path(path)
{
}

// Starts from what this process last read from or wrote to the same path; a clean file is
// taken as it is, a damaged one laid over that: what the file lost to damage is kept, what
// another writer added is taken. A missing file is a fresh start.
QString SettingsFile::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
        + QLatin1String("/tarn.ini");
}

SettingsFile SettingsFile::load(const QString &path)
{
    SettingsFile file(path);
    const QFileInfo info(path);
    if (!info.exists()) { // a link to nothing too: its target is created at the first save
        lastGood() = {};
        return file;
    }
    QFile input(path);
    const bool isFile = info.isFile();
    const bool tooLarge = isFile && info.size() > kMaxSize;
    const bool readable = isFile && !tooLarge && input.open(QIODevice::ReadOnly);
    file.m_original = readable ? input.readAll() : QByteArray();
    const bool known = lastGood().path == path;
    // The same bytes give the same result; a page load reads the file once per setting.
    if (known && readable && input.error() == QFileDevice::NoError
        && file.m_original == lastGood().raw)
        return lastGood().file;
    const auto readBefore = [&] {
        if (known)
            file.parse(lastGood().contents);
    };
    const QString name = QDir::toNativeSeparators(path) + QLatin1String(": ");
    if (!readable || input.error() != QFileDevice::NoError || input.size() > kMaxSize) {
        readBefore();
        file.m_status = Unreadable;
        file.m_error = name
            + (!isFile ? QStringLiteral("not a file")
                   : tooLarge
                   ? QStringLiteral("larger than %1 MiB, not a settings file").arg(kMaxSize >> 20)
                   : input.errorString());
        return file;
    }
    SettingsFile read(path);
    const int malformed = read.parse(file.m_original);
    file.m_status = malformed ? Damaged : Ok;
    if (malformed) {
        readBefore();
        const int missing = file.overlay(read);
        file.m_error = name + QStringLiteral("%1 line(s) could not be read").arg(malformed);
        if (missing)
            file.m_error +=
                QStringLiteral("; %1 setting(s) missing, kept as read before").arg(missing);
        file.m_keepOriginal = !file.m_original.isEmpty();
    } else {
        file.m_groups = read.m_groups;
        file.m_groupIndex = read.m_groupIndex;
        file.m_utf8 = read.m_utf8;
    }
    lastGood() = { path, file.serialized(), file.m_original, file };
    return file;
}

int SettingsFile::parse(const QByteArray &data)
{
    m_utf8 = data.startsWith(kByteOrderMark);
    QString section;
    int malformed = 0;
    int start = 0, end = 0, equals = -1;
    for (int pos = m_utf8 ? 3 : 0; pos < data.size();) {
        const bool ok = nextLine(data, pos, start, end, equals);
        if (start == end)
            continue;
        if (data[start] == '[') {
            const int close = data.indexOf(']', start);
            const bool closed = close >= 0 && close < end;
            section =
                sectionName(data.mid(start + 1, (closed ? close : end) - start - 1).trimmed());
            malformed += !closed || !ok;
            continue;
        }
        int keyEnd = equals;
        while (keyEnd > start && (data[keyEnd - 1] == ' ' || data[keyEnd - 1] == '\t'))
            --keyEnd;
        if (!ok || keyEnd <= start) {
            ++malformed;
            continue;
        }
        setPathValue(section, unescapedKey(data.mid(start, keyEnd - start)),
                     data.mid(equals + 1, end - equals - 1));
    }
    return malformed;
}

// QSettings knows keys by their whole path, "group/key": "[a/b] c" is "[a] b\c". Stored
// by the path's first part as group, as QSettings writes it. A path with "/" at an end or
// twice in a row QSettings keeps too, but no lookup reaches it: it must not stand in for
// the key it would be after cleaning ("a\" for "a").
void SettingsFile::setPathValue(const QString &section, const QString &key, const QByteArray &raw)
{
    const QString path = section.isEmpty() ? key : section + QLatin1Char('/') + key;
    const int slash = path.indexOf(QLatin1Char('/'));
    if (path.split(QLatin1Char('/'), Qt::SkipEmptyParts).join(QLatin1Char('/')) != path)
        setRawValue(section, key, raw);
    else
        setRawValue(path.left(std::max(slash, 0)), path.mid(slash + 1), raw);
}

int SettingsFile::groupIndex(const QString &name)
{
    const auto found = m_groupIndex.constFind(indexKey(name));
    if (found != m_groupIndex.constEnd())
        return *found;
    m_groups.append({ name, {}, {} });
    m_groupIndex.insert(indexKey(name), m_groups.size() - 1);
    return m_groups.size() - 1;
}

const QByteArray *SettingsFile::rawValue(const QString &group, const QString &key) const
{
    const int g = m_groupIndex.value(indexKey(group), -1);
    const int entry = g < 0 ? -1 : m_groups[g].index.value(indexKey(key), -1);
    return entry < 0 ? nullptr : &m_groups[g].entries[entry].value;
}

void SettingsFile::setRawValue(const QString &group, const QString &key, const QByteArray &raw)
{
    Group &g = m_groups[groupIndex(group)];
    const int entry = g.index.value(indexKey(key), -1);
    if (entry >= 0) {
        g.entries[entry].value = raw;
        return;
    }
    g.index.insert(indexKey(key), g.entries.size());
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
    m_utf8 = other.m_utf8;
    return missing;
}

QString SettingsFile::value(const QString &group, const QString &key) const
{
    const QByteArray *raw = rawValue(group, key);
    // Qt 6 takes the plain bytes of every file as UTF-8.
    return raw ? textOf(unescapedValue(*raw, m_utf8 || kQt6Settings)) : QString();
}

void SettingsFile::setValue(const QString &group, const QString &key, const QString &value)
{
    m_changes.append({ group, key, escapedValue(value) });
}

bool SettingsFile::save(QString *error)
{
    const QString name = QDir::toNativeSeparators(m_path);
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QLockFile lock(m_path + QLatin1String(".lock"));
    if (!lock.tryLock(kLockWaitMs)) {
        *error = QStringLiteral("%1: cannot take the lock %1.lock (%2)")
                     .arg(name,
                          lock.error() == QLockFile::LockFailedError
                              ? QStringLiteral("held by another writer")
                              : QStringLiteral("cannot create it"));
        return false;
    }
    SettingsFile current = load(m_path);
    if (current.m_status == Unreadable) {
        *error = current.m_error + QStringLiteral("; not written over");
        return false;
    }
    for (const Change &change : qAsConst(m_changes))
        current.setRawValue(change.group, change.key, change.value);
    if (!current.write(error))
        return false;
    *this = current;
    return true;
}

bool SettingsFile::write(QString *error)
{
    if (m_keepOriginal && !writeAtomically(m_path + QLatin1String(".bak"), m_original, error))
        return false;
    const QByteArray contents = serialized();
    if (!writeAtomically(m_path, contents, error))
        return false;
    removeStaleTemporaries(m_path);
    m_keepOriginal = false;
    m_status = Ok;
    m_error.clear();
    m_original = contents;
    lastGood() = { m_path, contents, contents, *this };
    return true;
}

QByteArray SettingsFile::serialized() const
{
    QByteArray contents = m_utf8 ? kByteOrderMark : "";
    for (const Group &group : m_groups) {
        if (group.entries.isEmpty())
            continue;
        if (contents.size() > (m_utf8 ? 3 : 0))
            contents += kEndOfLine;
        contents += sectionHeader(group.name) + kEndOfLine;
        for (const Entry &entry : group.entries)
            contents += escapedKey(entry.key) + '=' + entry.value + kEndOfLine;
    }
    return contents;
}
