// SPDX-License-Identifier: LGPL-2.1-or-later
// The stand-in manager reading an arbitrary settings file: a good [ShortCuts] group
// followed by arbitrary bytes.
#include "fuzz_common.h"
#include "shortcutsmanager.h"
#include "tarnlibtesting.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {
using TarnFuzz::check;

const QByteArray kGoodGroup =
    "[ShortCuts]\nScreenshot\\Key=Ctrl+Alt+Y\nScreenshot\\Enabled=false\n";

QVector<ShortCutsKey> entries(const ShortCutsManager &manager)
{
    QVector<ShortCutsKey> all;
    for (int i = 0; i < ShortCutsManager::ActionCount; ++i)
        all << manager.getShortCutsKey(ShortCutsManager::ShortCutIndex(i));
    return all;
}

bool sameSettings(const QVector<ShortCutsKey> &a, const QVector<ShortCutsKey> &b)
{
    for (int i = 0; i < a.size(); ++i) {
        if (a[i].key != b[i].key || a[i].enabled != b[i].enabled)
            return false;
    }
    return true;
}

// Whether the bytes that follow the good group could themselves say something about the
// Screenshot entry (directly, or through an escaped or continued key).
bool mayRedefineScreenshot(const QByteArray &rest)
{
    return rest.contains("Screenshot") || rest.contains('%') || rest.contains('\\');
}

QString nextPath()
{
    static QTemporaryDir folder;
    static int count = 0;
    // A fresh name per input: the manager's storage keeps what it last read of a path and
    // fills a later read of it from that, so one input would leak into the next.
    return folder.filePath(QStringLiteral("tarn%1.ini").arg(++count));
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    TarnFuzz::startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    const QByteArray rest(reinterpret_cast<const char *>(bytes), int(size));
    const QString path = nextPath();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(kGoodGroup + rest) < 0)
        return 0;
    file.close();
    TarnLibTesting::setConfigPath(path);

    ShortCutsManager first;
    const QVector<ShortCutsKey> read = entries(first);
    if (!mayRedefineScreenshot(rest)) {
        const ShortCutsKey screenshot = read[ShortCutsManager::Screenshot];
        check(screenshot.key == QLatin1String("Ctrl+Alt+Y") && !screenshot.enabled,
              "a readable entry was replaced by its default", screenshot.key);
    }
    first.saveAllConfigs();
    const ShortCutsManager fresh;
    check(sameSettings(read, entries(fresh)), "a save and a fresh read changed the settings");
    QFile::remove(path);
    QFile::remove(path + QLatin1String(".bak"));
    return 0;
}
