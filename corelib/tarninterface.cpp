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
    return legacyValue("BossKey").toBool();
}
const char *TarnInterface::getShortCutsBossKeyEdit()
{
    return legacyKey("BossKeyEdit");
}
bool TarnInterface::getShortCutsKeyMap()
{
    return legacyValue("KeyMap").toBool();
}
const char *TarnInterface::getShortCutsKeyMapEdit()
{
    return legacyKey("KeyMapEdit");
}
bool TarnInterface::getShortCutsZoomIn()
{
    return legacyValue("ZoomIn").toBool();
}
const char *TarnInterface::getShortCutsZoomInEdit()
{
    return legacyKey("ZoomInEdit");
}
bool TarnInterface::getShortCutsZoomOut()
{
    return legacyValue("ZoomOut").toBool();
}
const char *TarnInterface::getShortCutsZoomOutEdit()
{
    return legacyKey("ZoomOutEdit");
}
bool TarnInterface::getShortCutsHomeKey()
{
    return legacyValue("HomeKey").toBool();
}
const char *TarnInterface::getShortCutsHomeKeyEdit()
{
    return legacyKey("HomeKeyEdit");
}
bool TarnInterface::getShortCutsShake()
{
    return legacyValue("Shake").toBool();
}
const char *TarnInterface::getShortCutsShakeEdit()
{
    return legacyKey("ShakeEdit");
}
bool TarnInterface::getShortCutsScreenshot()
{
    return legacyValue("Screenshot").toBool();
}
const char *TarnInterface::getShortCutsScreenshotEdit()
{
    return legacyKey("ScreenshotEdit");
}
