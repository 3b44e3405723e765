// SPDX-License-Identifier: LGPL-2.1-or-later
// The stand-in's settings file, "tarn.ini" in the application's config folder, holding a
// good [ShortCuts] group followed by arbitrary bytes: an entry nothing else names is read
// as written, a save and a fresh read agree, and QSettings reads what the save wrote.
#include "fuzz_common.h"
#include "shortcutsmanager.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    // A file of its own per input: the manager fills a damaged read of a path from what it
    // last read there, so one input would leak into the next.
    static int count = 0;
    QCoreApplication::setApplicationName(QString::number(++count));
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QFile file(folder + "/tarn.ini");
    const QByteArray rest(reinterpret_cast<const char *>(bytes), int(size));
    QDir().mkpath(folder);
    file.open(QIODevice::WriteOnly);
    file.write("[ShortCuts]\nScreenshot\\Key=Ctrl+Alt+Y\nScreenshot\\Enabled=false\n" + rest);
    file.close();
    ShortCutsManager read;
    const ShortCutsKey shot = read.getShortCutsKey(ShortCutsManager::Screenshot);
    // Bytes that may name the entry themselves, directly or through an escape, may change it.
    if (!rest.contains("Screenshot") && !rest.contains('%') && !rest.contains('\\'))
        check(shot.key == "Ctrl+Alt+Y" && !shot.enabled, "entry lost", shot.key);
    read.saveAllConfigs();
    const ShortCutsManager fresh;
    QSettings settings(file.fileName(), QSettings::IniFormat);
    settings.beginGroup("ShortCuts");
    for (int i = 0; i < ShortCutsManager::ActionCount; ++i) {
        const ShortCutsKey saved = read.getShortCutsKey(ShortCutsManager::ShortCutIndex(i));
        const ShortCutsKey again = fresh.getShortCutsKey(ShortCutsManager::ShortCutIndex(i));
        check(again.key == saved.key && again.enabled == saved.enabled
                  && settings.value(saved.configName + "/Key").toString() == saved.key
                  && settings.value(saved.configName + "/Enabled").toBool() == saved.enabled,
              "a save read back differs", saved.key);
    }
    return 0;
}
