// SPDX-License-Identifier: LGPL-2.1-or-later
#include "shortcutsmanager.h"
#include "tarninterface.h"
#include "tarnlib.h"

#include <QtGui>
#include <QtTest>

// The storage faults are made with fork, setuid, setrlimit and signals: POSIX only, so the
// Windows build runs the other tests.
#ifdef Q_OS_UNIX
#include <csignal>
#include <functional>
#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using Manager = ShortCutsManager;

#ifdef Q_OS_UNIX
namespace {
const uid_t nobody = 65534;

// The exit status of run, called in a copy of this process.
int inChild(const std::function<int()> &run)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(run());
    int status = -1;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Saves over and over, switching Menu's key, until a timer started after 20 saves kills it.
int saveUntilKilled()
{
    Manager manager;
    for (int i = 0;; ++i) {
        if (i == 20)
            ualarm(1000, 0);
        manager.updateConfig(Manager::Menu, true, i % 2 ? "F7" : "F8");
        if (!manager.saveConfig(Manager::Menu))
            return 1;
    }
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace
#endif

// The stand-in core library: the shortcut manager's storage and conflicts, the facade's
// older settings.
class tst_TarnLib : public QObject
{
    Q_OBJECT

    QScopedPointer<QTemporaryDir> m_dir;
    QString m_path;

#ifdef Q_OS_UNIX
    bool apply(const QByteArray &fault, const QByteArray &line)
    {
        if (fault == "directory in its place")
            return QFile::remove(m_path) && QDir().mkdir(m_path);
        if (fault == "folder read-only")
            return QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::ExeOwner);
        if (fault == "file read-only")
            return QFile::setPermissions(m_path, QFile::ReadOwner);
        if (fault == "file unreadable")
            return QFile::setPermissions(m_path, {});
        if (fault == "disk full") { // a file size limit fails writes as a full disk does
            const rlimit tiny { 64, 64 };
            return std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && setrlimit(RLIMIT_FSIZE, &tiny) == 0;
        }
        if (fault == "killed mid-write")
            return inChild(saveUntilKilled) == -1; // killed by the signal
        QByteArray data = contents(m_path);
        if (!line.isNull()) // between the user's two Screenshot lines
            data.replace("Screenshot\\Key", line + "\nScreenshot\\Key");
        else if (fault == "truncated")
            data.truncate(data.lastIndexOf('=') - 2);
        else if (fault == "huge")
            data += QByteArray(10 << 20, 'x');
        else if (fault == "binary")
            std::generate_n(data.fill(0, 4096).begin(), 4096, QRandomGenerator(15));
        else if (fault == "empty")
            data.clear();
        else
            return false;
        QFile file(m_path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            && file.write(data) == data.size();
    }

    // The fault strikes a file that holds another group and the user's Screenshot setting,
    // after this process has written it. A process that never read it finds what it still
    // holds; here a new instance keeps what the user saved, the failures are reported, and
    // stored flags change only when a save works.
    void faultOnce()
    {
        QFETCH(QString, flags);
        QFETCH(QByteArray, line);
        const bool loadFails = flags.contains('L'), saveWorks = flags.contains('S');
        QSettings(m_path, QSettings::IniFormat).setValue("Legacy/ShakeEdit", "Ctrl+1");
        Manager writer;
        writer.updateConfig(Manager::Screenshot, false, QStringLiteral("Ctrl+Alt+Y"));
        QVERIFY(writer.saveAllConfigs());
        QVERIFY(apply(QTest::currentDataTag(), line));
        const QByteArray damaged = contents(m_path);
        QCOMPARE(inChild([&] {
                     // What this process read is not known under another spelling of the path.
                     setTarnConfigPath(m_dir->path() + QStringLiteral("/./tarn.ini"));
                     const ShortCutsKey shot = Manager().getShortCutsKey(Manager::Screenshot);
                     const bool defaults = flags.contains('D');
                     return int(shot.key != (defaults ? "Ctrl+Alt+P" : "Ctrl+Alt+Y")
                                || shot.enabled != defaults);
                 }),
                 0);
        Manager manager;
        QSignalSpy failed(&manager, &Manager::storageFailed);
        QCOMPARE(manager.loadShortCutsKey(), !loadFails);
        const ShortCutsKey shot = manager.getShortCutsKey(Manager::Screenshot);
        QVERIFY(shot.key == "Ctrl+Alt+Y" && !shot.enabled && shot.enabledStored && shot.keyStored);
        manager.seedEntry(Manager::Menu, {}); // not stored until a save works
        QCOMPARE(manager.saveAllConfigs(), saveWorks);
        QCOMPARE(manager.saveAllConfigs(), saveWorks); // keeps the first backup
        QCOMPARE(failed.count(), int(loadFails) + 2 * !saveWorks);
        QCOMPARE(manager.getShortCutsKey(Manager::Menu).keyStored, saveWorks);
        QCOMPARE(contents(m_path + QStringLiteral(".bak")), flags.contains('B') ? damaged : "");
        Manager reader;
        QCOMPARE(reader.loadShortCutsKey(), saveWorks || !loadFails);
        QCOMPARE(reader.getShortCutsKey(Manager::Screenshot).key, QStringLiteral("Ctrl+Alt+Y"));
        QCOMPARE(TarnInterface().getShortCutsShakeEdit(), QByteArray("Ctrl+1"));
        QVERIFY(TarnInterface().getShortCutsShake()); // an older flag never written reads as on
    }
#endif

private Q_SLOTS:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        QVERIFY(m_dir->isValid());
        m_path = m_dir->filePath(QStringLiteral("tarn.ini"));
        setTarnConfigPath(m_path);
    }

    void cleanup()
    {
        QFile::setPermissions(m_dir->path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void keyTextReadableBothWaysWithQSettings_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("cleared, not the default") << QString();
        QTest::newRow("comma is quoted") << QStringLiteral("Ctrl+,");
        QTest::newRow("inner space") << QStringLiteral("Ctrl+Volume Up");
        QTest::newRow("outer spaces") << QStringLiteral(" Q ");
        QTest::newRow("at sign first") << QStringLiteral("@Variant(x)");
        QTest::newRow("quote and backslash") << QStringLiteral("\"\\");
        QTest::newRow("non-ASCII") << QStringLiteral("Ctrl+Ä€");
        QTest::newRow("control char then hex digit") << QStringLiteral("\u0001A");
    }

    // The file stays one QSettings reads and writes.
    void keyTextReadableBothWaysWithQSettings()
    {
        QFETCH(QString, key);
        Manager manager;
        manager.updateConfig(Manager::Menu, true, key);
        QVERIFY(manager.saveConfig(Manager::Menu));
        {
            QSettings settings(m_path, QSettings::IniFormat);
            QCOMPARE(settings.value(QStringLiteral("ShortCuts/Menu/Key")).toString(), key);
            settings.setValue(QStringLiteral("ShortCuts/Back/Key"), key);
        }
        Manager reader;
        QCOMPARE(reader.getShortCutsKey(Manager::Back).key, key);
        QCOMPARE(reader.getShortCutsKey(Manager::Menu).key, key);
    }

#ifdef Q_OS_UNIX
    // flags: L the load fails, S the save works, B the damaged file is kept as a backup,
    // D a process that never read the file gets the defaults, U run as an ordinary user.
    // line: a line no settings writer writes; it costs that line only.
    void faultKeepsUsersKeys_data()
    {
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QByteArray>("line");
        const auto row = [](const char *tag, const char *flags, const QByteArray &line = {}) {
            QTest::newRow(tag) << QString(flags) << line;
        };
        row("header without ]", "LSB", "[ShortCuts");
        row("line without =", "LSB", "Screenshot\\Enabled true");
        row("NUL byte", "LSB", QByteArrayLiteral("Screenshot\\Enabled=t\0rue"));
        row("quote left open", "LSB", "Screenshot\\Enabled=\"true");
        row("empty key", "LSB", "=true");
        row("truncated", "LSB");
        row("empty", "LSD");
        row("binary", "LSBD");
        row("huge", "LSB");
        row("directory in its place", "LD");
        row("folder read-only", "U");
        row("file read-only", "U");
        row("file unreadable", "LDU");
        row("disk full", "");
        row("killed mid-write", "S");
    }

    // Each row runs in a child process, which takes the fault's limits with it. Root ignores
    // permissions: the child of a permission fault becomes an ordinary user.
    void faultKeepsUsersKeys()
    {
        QFETCH(QString, flags);
        const int result = inChild([&] {
            if (flags.contains('U') && geteuid() == 0
                && (chown(qPrintable(m_dir->path()), nobody, nobody) != 0
                    || setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0))
                return 77;
            faultOnce();
            return int(QTest::currentTestFailed());
        });
        if (result == 77)
            QSKIP("cannot become user 65534, and root ignores permissions");
        QCOMPARE(result, 0);
    }
#endif

    // Taken: the unsaved key of another action; free: the focused field's own key.
    void conflictsSkipTheFocusedField()
    {
        Manager manager;
        manager.updateConfig(Manager::Menu, QStringLiteral("Ctrl + Alt + Y"));
        QWindow field;
        field.setProperty("ShortCutIndex", int(Manager::Screenshot));
        field.show();
        field.requestActivate();
        QTRY_COMPARE(QGuiApplication::focusObject(), &field);
        QVERIFY(manager.checkConflicts(QStringLiteral("Ctrl + Alt + Y")));
        QVERIFY(!manager.checkConflicts(QStringLiteral("Ctrl + Alt + P")));
        QVERIFY(!manager.checkConflicts(QStringLiteral("Ctrl + Alt + M")));
    }
};

QTEST_MAIN(tst_TarnLib)
#include "tst_tarnlib.moc"
