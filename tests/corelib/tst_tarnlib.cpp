// SPDX-License-Identifier: LGPL-2.1-or-later
#include "shortcutedit.h"
#include "shortcuts.h"
#include "tarninterface.h"
#include "tarnlib.h"

#include <QtTest>
#include <QtWidgets>

#include <csignal>
#include <cstdio>
#include <functional>
#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using Manager = ShortCutsManager;

namespace {
const char saveLoopVariable[] = "TARN_SAVE_LOOP";
const uid_t nobody = 65534;

// Run as a child process: saves over and over, switching Menu's key, until killed.
int saveLoop()
{
    setTarnConfigPath(qEnvironmentVariable(saveLoopVariable));
    Manager manager;
    for (int i = 0;; ++i) {
        manager.updateConfig(Manager::Menu, true,
                             i % 2 ? QStringLiteral("F7") : QStringLiteral("F8"));
        if (!manager.saveConfig(Manager::Menu))
            return 1;
        std::printf("saved\n");
        std::fflush(stdout);
    }
}

bool killMidWrite(const QString &path)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(saveLoopVariable, path);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    for (int saves = 0; saves < 20 && child.waitForReadyRead(5000);)
        saves += child.readAll().count('\n');
    child.kill();
    return child.waitForFinished(5000) && child.exitStatus() == QProcess::CrashExit;
}

// The exit status of run, called in a copy of this process.
int inChild(const std::function<int()> &run)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(run());
    int status = -1;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool replace(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

ShortCutEdit *field(QWidget *page, int index)
{
    for (ShortCutEdit *edit : page->findChildren<ShortCutEdit *>()) {
        if (edit->getIndex() == index)
            return edit;
    }
    return nullptr;
}
} // namespace

// The stand-in core library: the shortcut manager's storage and conflicts, the facade's
// older settings.
class tst_TarnLib : public QObject
{
    Q_OBJECT

    QScopedPointer<QTemporaryDir> m_dir;
    QString m_path;

    bool apply(const QByteArray &fault, const QByteArray &line)
    {
        const QByteArray good = contents(m_path);
        if (!line.isNull()) // between the user's two Screenshot lines
            return replace(m_path,
                           QByteArray(good).replace("Screenshot\\Key", line + "\nScreenshot\\Key"));
        if (fault == "truncated")
            return replace(m_path, good.left(good.lastIndexOf('=') - 2));
        if (fault == "empty")
            return replace(m_path, QByteArray());
        if (fault == "binary") {
            QRandomGenerator random(15);
            QByteArray bytes(4096, '\0');
            for (char &byte : bytes)
                byte = char(random.bounded(256));
            return replace(m_path, bytes);
        }
        if (fault == "huge")
            return replace(m_path, good + QByteArray(10 << 20, 'x'));
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
        return fault == "none" || (fault == "killed mid-write" && killMidWrite(m_path));
    }

    // The fault strikes a file that holds another group and the user's Screenshot setting,
    // after this process has written it. The page shows the user's key, the failures reach
    // the host, stored flags change only when a save works, and a new instance reads it all.
    void faultOnce()
    {
        QFETCH(QString, flags);
        QFETCH(QByteArray, line);
        const bool loadFails = flags.contains('L'), saveWorks = flags.contains('S');
        const bool defaults = flags.contains('D');
        QSettings(m_path, QSettings::IniFormat).setValue("Legacy/ShakeEdit", "Ctrl+1");
        {
            Manager writer;
            writer.updateConfig(Manager::Screenshot, false, QStringLiteral("Ctrl+Alt+Y"));
            QVERIFY(writer.saveAllConfigs());
        }
        QVERIFY(apply(QTest::currentDataTag(), line));
        const QByteArray damaged = contents(m_path);
        QCOMPARE(inChild([&] {
                     setTarnConfigPath(m_path + QStringLiteral(".none"));
                     Manager(); // a missing file: forgets what this process read
                     setTarnConfigPath(m_path);
                     const ShortCutsKey shot = Manager().getShortCutsKey(Manager::Screenshot);
                     return int(shot.key != (defaults ? "Ctrl+Alt+P" : "Ctrl+Alt+Y")
                                || shot.enabled != defaults);
                 }),
                 0);
        Manager::_instance = new Manager;
        QSignalSpy failed(Manager::_instance, &Manager::storageFailed);
        TarnInterface host;
        QWidget window;
        auto *page = new ShortCuts(&window, &host);
        page->loadShortCuts();
        QCOMPARE(field(page, Manager::Screenshot)->text(), QStringLiteral("Ctrl + Alt + Y"));
        QCOMPARE(!failed.isEmpty(), loadFails);
        Manager::_instance->seedEntry(Manager::Menu, {});
        QCOMPARE(Manager::_instance->saveAllConfigs(), saveWorks);
        QCOMPARE(Manager::_instance->saveAllConfigs(), saveWorks); // keeps the first backup
        QCOMPARE(failed.count(), int(loadFails) + 2 * !saveWorks);
        QCOMPARE(Manager::_instance->getShortCutsKey(Manager::Menu).keyStored, saveWorks);
        QCOMPARE(contents(m_path + QStringLiteral(".bak")), flags.contains('B') ? damaged : "");
        Manager reader;
        QCOMPARE(reader.loadShortCutsKey(), saveWorks || !loadFails);
        QCOMPARE(reader.getShortCutsKey(Manager::Screenshot).key, QStringLiteral("Ctrl+Alt+Y"));
        QVERIFY(!reader.getShortCutsKey(Manager::Screenshot).enabled);
        QCOMPARE(host.getShortCutsShakeEdit(), QByteArray("Ctrl+1"));
        QVERIFY(host.getShortCutsShake()); // an older flag never written reads as on
    }

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
        delete std::exchange(Manager::_instance, nullptr);
        QFile::setPermissions(m_dir->path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_dir.reset();
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
        QTest::newRow("control char then hex digit") << QStringLiteral("\x01"
                                                                       "A");
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
        row("none", "S");
        row("header without ]", "LSB", "[ShortCuts");
        row("line without =", "LSB", "Screenshot\\Enabled true");
        row("NUL byte", "LSB", QByteArray("Screenshot\\Enabled=t\0rue", 24));
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
        const bool asUser = flags.contains('U') && geteuid() == 0;
        const int result = inChild([&] {
            if (asUser
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

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet(saveLoopVariable))
        return saveLoop();
    QApplication app(argc, argv);
    tst_TarnLib test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_tarnlib.moc"
