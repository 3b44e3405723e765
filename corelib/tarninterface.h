// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNLIB_TARNINTERFACE_H
#define TARNLIB_TARNINTERFACE_H

#include "tarnlib_export.h"

#include <QByteArray>
#include <QHash>

// The host's facade of the emulator. The host sets mInstance before it uses the UI
// library; the UI library never creates or deletes it.
class TARNLIB_EXPORT TarnInterface
{
public:
    TarnInterface() = default;
    virtual ~TarnInterface() = default;

    static TarnInterface *mInstance;

    // The emulator window follows the stay-on-top state of the dialog that calls this.
    void setVmStayOnTop(bool onTop);

    // Shortcut settings of the older format, read from the "Legacy" group of the
    // settings file. The key texts are UTF-8, null when the file holds none; a pointer
    // stays valid until the next call of the same getter. An enabled flag the file does
    // not hold reads true.
    bool getShortCutsBossKey();
    const char *getShortCutsBossKeyEdit();
    bool getShortCutsKeyMap();
    const char *getShortCutsKeyMapEdit();
    bool getShortCutsZoomIn();
    const char *getShortCutsZoomInEdit();
    bool getShortCutsZoomOut();
    const char *getShortCutsZoomOutEdit();
    bool getShortCutsHomeKey();
    const char *getShortCutsHomeKeyEdit();
    bool getShortCutsShake();
    const char *getShortCutsShakeEdit();
    bool getShortCutsScreenshot();
    const char *getShortCutsScreenshotEdit();

private:
    const char *legacyKey(const char *name);

    QHash<QByteArray, QByteArray> m_keyTexts;
};

#endif
