// SPDX-License-Identifier: LGPL-2.1-or-later
#include "settingsfile_p.h"
#include "shortcutsmanager.h"
#include "tarninterface.h"

#include <QtGui>
#include <QtTest>

// The storage faults are made with fork, setrlimit and signals:
// POSIX only, so the Windows build runs the other tests.
#ifdef Q_OS_UNIX
#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using Manager = ShortCutsManager;

namespace {
#ifdef Q_OS_UNIX
// The exit status of run, called in a copy of this process; -1 when it was killed.
int inChild(const std::function<int()> &run)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(run());
    int status = -1;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

#endif

// Whether QSettings can read the key back: not "/a", "a//b" or "a/".
bool isClean(const QString &key)
{
    return key.split('/', Qt::SkipEmptyParts).join('/') == key;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool write(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}
} // namespace

// The stand-in core library: the shortcut manager's storage and conflicts, the facade's
// older settings.
class tst_TarnLib : public QObject
{
    Q_OBJECT

    QScopedPointer<QTemporaryDir> m_dir;
    QString m_folder, m_path;

#ifdef Q_OS_UNIX
    bool apply(const QByteArray &fault, const QByteArray &line)
    {
        if (fault == "directory in its place")
            return QFile::remove(m_path) && QDir().mkdir(m_path);
        if (fault == "disk full") { // a file size limit: room for the lock, not for the file
            const rlimit tiny { 256, 256 };
            return std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && setrlimit(RLIMIT_FSIZE, &tiny) == 0;
        }
        if (fault == "left by a killed writer") // between QSaveFile's link and rename
            return QFile::copy(m_path, m_path + QStringLiteral(".AbQdEz"))
                && QFile::copy(m_path, m_path + QStringLiteral(".bak.xYzQwE"))
                && QFile::copy(m_path, m_path + QStringLiteral(".backup")) // someone's own
                && QFile::copy(m_path, m_path + QStringLiteral(".v2Beta"));
        QByteArray data = contents(m_path);
        if (!line.isNull()) // between the user's two Screenshot lines
            data.replace("Screenshot\\Key", line + "\nScreenshot\\Key");
        else if (fault == "truncated")
            data.truncate(data.lastIndexOf('=') - 2);
        else if (fault == "too large to be settings")
            data += QByteArray(17 << 20, '\n');
        else if (fault == "16 MiB, the most that is read")
            data += QByteArray((16 << 20) - data.size(), '\n');
        else
            return false;
        return write(m_path, data);
    }

    // The fault strikes a file that holds another group and the user's Screenshot setting,
    // after this process has written it. A process that never read it finds what it still
    // holds; here a new instance keeps what the user saved; the failures are reported, and stored
    // flags change only when a save works.
    void faultOnce()
    {
        QFETCH(QString, flags);
        QFETCH(QByteArray, line);
        QFETCH(QString, error);
        const QByteArray tag = QTest::currentDataTag();
        const bool loadFails = flags.contains('L'), saveWorks = flags.contains('S');
        const bool backup = flags.contains('B');
        QSettings(m_path, QSettings::IniFormat).setValue("Legacy/ShakeEdit", "Ctrl+1");
        Manager writer;
        writer.updateConfig(Manager::Screenshot, false, QStringLiteral("Ctrl+Alt+Y"));
        QVERIFY(writer.saveAllConfigs());
        QVERIFY(apply(tag, line));
        const QByteArray damaged = contents(m_path);
        const QString userKey = QStringLiteral("Ctrl+Alt+Y");
        const bool defaults = flags.contains('D');
        QCOMPARE(inChild([&] {
                     // What this process read is not known under another spelling of the path.
                     qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir->path() + "/."));
                     const ShortCutsKey shot = Manager().getShortCutsKey(Manager::Screenshot);
                     return int(shot.key != (defaults ? "Ctrl+Alt+P" : "Ctrl+Alt+Y")
                                || shot.enabled != defaults);
                 }),
                 0);
        Manager manager;
        QSignalSpy failed(&manager, &Manager::storageFailed);
        QCOMPARE(manager.loadShortCutsKey(), !loadFails);
        const ShortCutsKey shot = manager.getShortCutsKey(Manager::Screenshot);
        QCOMPARE(shot.key, userKey);
        QVERIFY(!shot.enabled && shot.enabledStored && shot.keyStored);
        manager.updateConfig(Manager::Menu, true, QStringLiteral("F4"));
        QCOMPARE(manager.saveAllConfigs(), saveWorks);
        QCOMPARE(manager.saveAllConfigs(), saveWorks); // keeps the first backup
        QCOMPARE(failed.count(), int(loadFails) + 2 * !saveWorks);
        if (!error.isEmpty())
            QCOMPARE(failed[0][0].toString(),
                     ("%1: " + error).arg(QDir::toNativeSeparators(m_path)));
        QCOMPARE(contents(m_path + QStringLiteral(".bak")), backup ? damaged : "");
        if (!saveWorks)
            QCOMPARE(contents(m_path), damaged);
        QStringList left = QDir(m_folder).entryList({ "tarn.ini.*" }, QDir::Files);
        const int own = left.removeAll("tarn.ini.backup") + left.removeAll("tarn.ini.v2Beta");
        QCOMPARE(own, 2 * int(tag == "left by a killed writer"));
        QCOMPARE(left, backup ? QStringList { "tarn.ini.bak" } : QStringList());
        Manager reader;
        QCOMPARE(reader.loadShortCutsKey(), saveWorks || !loadFails);
        QCOMPARE(reader.getShortCutsKey(Manager::Screenshot).key, userKey);
        QCOMPARE(reader.getShortCutsKey(Manager::Menu).key, saveWorks ? "F4" : "Ctrl+Alt+M");
        QCOMPARE(TarnInterface().getShortCutsShakeEdit(), QByteArray("Ctrl+1"));
        QVERIFY(TarnInterface().getShortCutsShake()); // an older flag never written reads as on
    }
#endif

private Q_SLOTS:
    void init()
    {
        // The stand-in's file, chosen as a host chooses it.
        m_dir.reset(new QTemporaryDir);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir->path()));
        m_folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        QVERIFY(QDir().mkpath(m_folder));
        m_path = m_folder + QStringLiteral("/tarn.ini");
    }

#ifdef Q_OS_UNIX
    // flags: L the load fails, S the save works, B the damaged file is kept as a backup,
    // D a process that never read the file gets the defaults.
    // line: a line no settings writer writes; it costs that line only.
    // error: the first failure reported, after the file's name; %1 is the file.
    void faultKeepsUsersKeys_data()
    {
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("error");
        const auto row = [](const char *tag, const char *flags, const QByteArray &line = {},
                            const char *error = "") {
            QTest::newRow(tag) << QString(flags) << line << QString(error);
        };
        row("header without ]", "LSB", "[ShortCuts", "1 line(s) could not be read");
        row("key text naming no key", "LS", "Shake\\Key=Ctrl+Alt+Banana",
            "1 line(s) could not be read");
        row("keys Qt has no name for, kept", "S",
            "Shake\\Key=Ctrl+\xf0\x9d\x9f\x8f\nZoomOut\\Key=Meta");
        row("truncated", "LSB", {},
            "1 line(s) could not be read; 1 setting(s) missing, kept as read before");
        row("left by a killed writer", "S");
        row("too large to be settings", "LD", {}, "larger than 16 MiB, not a settings file");
        row("16 MiB, the most that is read", "S");
        row("directory in its place", "LD", {}, "not a file");
        row("disk full", "");
    }

    // Each row runs in a child process, which takes the fault's limits with it.
    void faultKeepsUsersKeys()
    {
        QCOMPARE(inChild([&] {
                     faultOnce();
                     return int(QTest::currentTestFailed());
                 }),
                 0);
    }
#endif

    // A key whose save failed stays in effect over a reload and is written by the next save
    // that works; a reload takes what another writer stored since; a first save makes the folder.
    void failedSaveKeptUntilOneWorks()
    {
        const QString key = QStringLiteral("Ctrl+Alt+B");
        QVERIFY(QDir().mkdir(m_path));
        Manager manager;
        manager.updateConfig(Manager::Back, true, key);
        QVERIFY(!manager.saveConfig(Manager::Back));
        manager.loadShortCutsKey();
        QCOMPARE(manager.getShortCutsKey(Manager::Back).key, key);
        QVERIFY(QDir().rmdir(m_path) && manager.saveAllConfigs());
        QCOMPARE(Manager().getShortCutsKey(Manager::Back).key, key);
        QSettings(m_path, QSettings::IniFormat).setValue("ShortCuts/Back/Key", "F9");
        manager.loadShortCutsKey();
        QCOMPARE(manager.getShortCutsKey(Manager::Back).key, QStringLiteral("F9"));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir->filePath(QStringLiteral("new"))));
        QVERIFY(manager.saveAllConfigs()); // as at a first start: the folder is made
    }

    // Files written by hand, or settings given as group, key, value: written here
    // and by QSettings over the file (the same bytes), each file read by both alike.
    void readsAndWritesAsQSettings_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QStringList>("settings");
        const auto row = [](const char *tag, const QByteArray &data, QStringList settings = {}) {
            QTest::newRow(tag) << data << settings;
        };
        row("@String with a NUL", "[S]\nA=@String(a\\0b)\nB=\"@String(q)\"\n");
        row("other @ forms",
            "[S]\nA=@ByteArray(x)\nB=@Rect(1 2 3 4)\nC=@Invalid()\nD=@@x\nE=@x)\nF=@@x)\n"
            "G=@String(x\n");
        row("@Variant holding a text", "[S]\nA=@Variant(\\0\\0\\0\\n\\0\\0\\0\\x2\\0\\x61)\n");
        row("root group in any case", "A=0\n[general]\nB=1\n[GENERAL]\nC=2\n[S]\nD=3\n");
        row("%General", "[%General]\nA=1\n[%general]\nB=2\n[General]\nC=3\n");
        row("line continuation",
            "[S]\nA=Ctrl+\\\nAlt+B\nB=a \\\r\n   b\nC=\\q\rE=1\nF=a\\\rb\nD=x \\");
        row("long escapes", "[S]\nA=\\x10041\nB=\\xFFFFFFFFF1\nC=\\1234\nD=\\x41G\nE=\\q\\x\\9.\n");
        row("octal escapes", "[S]\nA=\\0\\7\\8\\08\\778\nB=\\x9\\xaf\\xAFg\\x0F\n");
        row("spaces, quotes, comments",
            "[S]\n  A  = 1 \nB=\"a\"b\" c\" d \nC=x\\t \nD=\"a;b\" ; c\nE=a;b\nF\t=1\nG=\\\"");
        row("paths",
            "q=1\nq\\ "
            "=2\nr\\s=0\n[a]\nx\\y=1\n[b%2Fc]\nd=2\n[e/f]\ng=3\n%U0041%41=4\n%4=5\na%00b=6\n");
        row("key escapes at the ends of ranges",
            "[%30%39%61%7A%41%5A%FF%66%46%g]\n%U0100%U00ff%U9aFa%gx%U12x4%U12=1\na%2Fb%2fc%5C=2\n"
            "%-1%+1% 1%U 0x4%U-041%0x=3\n");
        row("repeated keys and groups", "[S]\nA=1\nA=2\n[T]\nB=1\n[S]\nA=3\n[s]\nA=4\n");
        row("header oddities", "[ S ]x\nA=1\n[T]\n[U]\nB=2\nC==\n");
        row("key characters at the ends of ranges", {}, { "09:@AZ[`az{", "_-.a/b\\c", "1" });
        row("key characters beyond Latin-1", {}, { "\u00ff\u0100", "\u00ff\u0100%\u20ac", "1" });
        row("control characters", {}, { "S", "A", "\x01\x1f \x7f\u0080\u00ff\u0100~" });
        row("hex digits after escapes", {}, { "S", "A", QChar() + QString("09afAFg\x01") + 'F' });
        row("separators", {}, { "S", "A", "Ctrl+;", "S", "B", "a,b=c", "S", "C", " x \"\\" });
        row("@ at the start", {}, { "S", "A", "@x", "S", "B", "@String(x)" });
        row("a group named General", {}, { "", "C", "3", "General", "A", "1" });
        // A key QSettings keeps but no lookup reaches outlives a save of another.
        row("unreachable key kept", "[S]\nA=1\na//b=2\n", { "S", "A", "3" });
    }

    void readsAndWritesAsQSettings()
    {
        QFETCH(QByteArray, data);
        QFETCH(QStringList, settings);
        const QString ours = m_dir->filePath("ours"), theirs = m_dir->filePath("theirs");
        QVERIFY(write(theirs, data) && write(ours, data));
        if (!settings.isEmpty()) {
            SettingsFile writer = SettingsFile::load(ours);
            QSettings qsettings(theirs, QSettings::IniFormat);
            for (int i = 0; i < settings.size(); i += 3) {
                writer.setValue(settings[i], settings[i + 1], settings[i + 2]);
                qsettings.setValue(settings[i] + '/' + settings[i + 1], settings[i + 2]);
            }
            QString error;
            QVERIFY2(writer.save(&error), qPrintable(error));
            QVERIFY(!contents(ours).contains('\0')); // a NUL is written escaped, as QSettings does
        }
        for (const QString &path :
             settings.isEmpty() ? QStringList { theirs } : QStringList { ours, theirs }) {
            const SettingsFile read = SettingsFile::load(path);
            QCOMPARE(read.status(), SettingsFile::Ok);
            QSettings reader(path, QSettings::IniFormat);
            const QStringList keys = reader.allKeys();
            QCOMPARE(keys.size(),
                     path == ours && data.isEmpty() ? settings.size() / 3 : keys.size());
            for (const QString &key : keys) {
                const int slash = key.indexOf('/');
                // Some keys QSettings lists it cannot read back: "/a", "a//b", "a/", and
                // built for Windows, some beyond ASCII in a UTF-8 file.
                if (isClean(key) && reader.contains(key))
                    QCOMPARE(read.value(key.left(std::max(slash, 0)), key.mid(slash + 1)),
                             reader.value(key).toString());
            }
            for (int i = 0; i < settings.size(); i += 3)
                QCOMPARE(reader.value(settings[i] + '/' + settings[i + 1]).toString(),
                         settings[i + 2]);
        }
        // QSettings writes a text with a NUL as "@String(...)", and its groups and keys sorted.
        if (!settings.isEmpty() && !settings.join(QString()).contains(QChar()))
            QCOMPARE(contents(ours), contents(theirs));
    }
};

QTEST_MAIN(tst_TarnLib)
#include "tst_tarnlib.moc"
