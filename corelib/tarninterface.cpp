// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarninterface.h"

#include "tarnlib.h"

#include <QSettings>

TarnInterface *TarnInterface::mInstance = nullptr;

void TarnInterface::setVmStayOnTop(bool onTop)
{
    m_vmStayOnTop = onTop;
    ++m_vmStayOnTopCalls;
}

namespace {
// A file that cannot be read or parsed holds no older settings.
QVariant legacyValue(const char *name)
{
    QSettings settings(tarnConfigPath(), QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return {};
    return settings.value(QLatin1String("Legacy/") + QLatin1String(name));
}

// A shortcut the older settings never mention was switched on, as on a fresh install.
bool legacyEnabled(const char *name)
{
    const QVariant value = legacyValue(name);
    return !value.isValid() || value.toBool();
}
} // namespace

const char *TarnInterface::legacyKey(const char *name)
{
    const QVariant value = legacyValue(name);
    if (!value.isValid()) {
        m_keyTexts.remove(name);
        return nullptr;
    }
    QByteArray &text = m_keyTexts[name];
    text = value.toString().toUtf8();
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
