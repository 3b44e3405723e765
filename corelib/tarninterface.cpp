// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarninterface.h"

#include "settingsfile_p.h"

#include <QVariant>

TarnInterface *TarnInterface::mInstance = nullptr;

// The stand-in runs no emulator window to keep on top.
void TarnInterface::setVmStayOnTop(bool) { }

namespace {
// Null when the file holds no such setting.
QString legacyValue(const char *name)
{
    return SettingsFile::load(SettingsFile::defaultPath())
        .value(QStringLiteral("Legacy"), QLatin1String(name));
}

// A shortcut the older settings never mention was switched on, as on a fresh install.
bool legacyEnabled(const char *name)
{
    const QString value = legacyValue(name);
    return value.isNull() || QVariant(value).toBool();
}
} // namespace

const char *TarnInterface::legacyKey(const char *name)
{
    const QString value = legacyValue(name);
    if (value.isNull())
        return nullptr;
    QByteArray &text = m_keyTexts[name];
    text = value.toUtf8();
    return text.constData();
}

bool TarnInterface::getShortCutsBossKey()
{
    return legacyEnabled("BossKey");
}
const char *TarnInterface::getShortCutsBossKeyEdit()
{
    return legacyKey("BossKeyEdit");
}
bool TarnInterface::getShortCutsKeyMap()
{
    return legacyEnabled("KeyMap");
}
const char *TarnInterface::getShortCutsKeyMapEdit()
{
    return legacyKey("KeyMapEdit");
}
bool TarnInterface::getShortCutsZoomIn()
{
    return legacyEnabled("ZoomIn");
}
const char *TarnInterface::getShortCutsZoomInEdit()
{
    return legacyKey("ZoomInEdit");
}
bool TarnInterface::getShortCutsZoomOut()
{
    return legacyEnabled("ZoomOut");
}
const char *TarnInterface::getShortCutsZoomOutEdit()
{
    return legacyKey("ZoomOutEdit");
}
bool TarnInterface::getShortCutsHomeKey()
{
    return legacyEnabled("HomeKey");
}
const char *TarnInterface::getShortCutsHomeKeyEdit()
{
    return legacyKey("HomeKeyEdit");
}
bool TarnInterface::getShortCutsShake()
{
    return legacyEnabled("Shake");
}
const char *TarnInterface::getShortCutsShakeEdit()
{
    return legacyKey("ShakeEdit");
}
bool TarnInterface::getShortCutsScreenshot()
{
    return legacyEnabled("Screenshot");
}
const char *TarnInterface::getShortCutsScreenshotEdit()
{
    return legacyKey("ScreenshotEdit");
}
