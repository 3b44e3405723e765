// SPDX-License-Identifier: LGPL-2.1-or-later
#include "shortcutedit.h"
#include "shortcuts.h"
#include "tarninterface.h"
#include "tarnlib.h"

#include <QtTest>
#include <QtWidgets>

#include <csignal>
#include <cstdio>
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

bool replace(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
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

ShortCutEdit *field(QWidget *page, int index)
{
    for (ShortCutEdit *edit : page->findChildren<ShortCutEdit *>()) {
        if (edit->getIndex() == index)
            return edit;
    }
    return nullptr;
}
} // namespace

// Each fault strikes a settings file that holds the user's Screenshot key, Ctrl+Alt+Y,
// after this process has read and written it.
class tst_StorageFaults : public QObject
{
    Q_OBJECT

    QScopedPointer<QTemporaryDir> m_dir;
    QString m_path;
    rlimit m_sizeLimit {};

    bool apply(const QByteArray &fault);
    void undo();
    void faultOnce();

private Q_SLOTS:
    void init();
    void cleanup();
    void faultKeepsUsersKeys_data();
    void faultKeepsUsersKeys();
};

void tst_StorageFaults::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(QStringLiteral("tarn.ini"));
    setTarnConfigPath(m_path);
}

void tst_StorageFaults::cleanup()
{
    delete std::exchange(Manager::_instance, nullptr);
    m_dir.reset();
}

bool tst_StorageFaults::apply(const QByteArray &fault)
{
    QFile file(m_path);
    const QByteArray good = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (fault == "corrupt")
        return replace(m_path,
                       QByteArray(good).replace("Menu\\Key=", "Menu\\Key ").insert(12, "\n#!~\n")
                           + "[Broken\nx=1\n");
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
    if (fault == "disk full") { // a file size limit fails writes as a full disk does, unprivileged
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_sizeLimit);
        rlimit tiny = m_sizeLimit;
        tiny.rlim_cur = 64;
        return setrlimit(RLIMIT_FSIZE, &tiny) == 0;
    }
    return fault == "killed mid-write" && killMidWrite(m_path);
}

void tst_StorageFaults::undo()
{
    if (QByteArray(QTest::currentDataTag()) == "disk full") {
        setrlimit(RLIMIT_FSIZE, &m_sizeLimit);
        std::signal(SIGXFSZ, SIG_DFL);
    }
    QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
}

// flags: L the load fails, S the save works, B a backup is kept, U run as an ordinary user.
void tst_StorageFaults::faultKeepsUsersKeys_data()
{
    QTest::addColumn<QString>("flags");
    for (const char *row : { "corrupt:LSB", "truncated:LSB", "empty:LS", "binary:LSB", "huge:LSB",
                             "directory in its place:L", "folder read-only:U", "file read-only:U",
                             "file unreadable:LU", "disk full:", "killed mid-write:S" })
        QTest::newRow(QByteArray(row).split(':')[0]) << QString(row).section(':', 1);
}

// Root ignores permissions: a permission fault runs in a child process that has become
// an ordinary user.
void tst_StorageFaults::faultKeepsUsersKeys()
{
    QFETCH(QString, flags);
    if (!flags.contains('U') || geteuid() != 0)
        return faultOnce();
    const char *cannot = "cannot become user 65534, and root ignores permissions: skipped";
    if (chown(qPrintable(m_dir->path()), nobody, nobody) != 0)
        QSKIP(cannot);
    // The verdict comes through a pipe: the exit status may be a memory checker's.
    int verdict[2];
    QCOMPARE(pipe(verdict), 0);
    const pid_t child = fork();
    if (child == 0) {
        char result = 's';
        if (setgroups(0, nullptr) == 0 && setgid(nobody) == 0 && setuid(nobody) == 0) {
            faultOnce();
            result = QTest::currentTestFailed() ? 'f' : 'p';
        }
        _exit(write(verdict[1], &result, 1) == 1 ? 0 : 1);
    }
    close(verdict[1]);
    char result = 'f';
    const bool told = read(verdict[0], &result, 1) == 1;
    close(verdict[0]);
    QCOMPARE(waitpid(child, nullptr, 0), child);
    if (result == 's')
        QSKIP(cannot);
    QVERIFY2(told && result == 'p', "the row failed as user 65534");
}

// The page loads, shows the user's key, and the failure reaches the host.
void tst_StorageFaults::faultOnce()
{
    QFETCH(QString, flags);
    const bool loadFails = flags.contains('L'), saveWorks = flags.contains('S');
    {
        Manager writer;
        writer.updateConfig(Manager::Screenshot, true, QStringLiteral("Ctrl+Alt+Y"));
        QVERIFY(writer.saveAllConfigs());
    }
    const auto undoLater = qScopeGuard([&] { undo(); });
    QVERIFY(apply(QTest::currentDataTag()));
    Manager::_instance = new Manager;
    QSignalSpy failed(Manager::_instance, &Manager::storageFailed);
    TarnInterface host;
    QWidget window;
    auto *page = new ShortCuts(&window, &host);
    page->loadShortCuts();
    QCOMPARE(field(page, Manager::Screenshot)->text(), QStringLiteral("Ctrl + Alt + Y"));
    QCOMPARE(!failed.isEmpty(), loadFails);
    QCOMPARE(Manager::_instance->saveAllConfigs(), saveWorks);
    QCOMPARE(failed.count(), int(loadFails) + !saveWorks);
    QCOMPARE(QFile::exists(m_path + QStringLiteral(".bak")), flags.contains('B'));
    QCOMPARE(Manager().getShortCutsKey(Manager::Screenshot).key, QStringLiteral("Ctrl+Alt+Y"));
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet(saveLoopVariable))
        return saveLoop();
    QApplication app(argc, argv);
    tst_StorageFaults test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_storagefaults.moc"
