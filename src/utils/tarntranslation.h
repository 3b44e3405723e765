// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_TARNTRANSLATION_H
#define TARNUILIB_TARNTRANSLATION_H

#include "tarnuilib_export.h"

class QLocale;

// Installs the library's translator for locale on the application, replacing the one an earlier
// call installed; returns whether a translation for that locale was found (false for Chinese, the
// source language, and for unknown locales, which leave the source texts).
TARNUILIB_EXPORT bool loadTarnUILibTranslation(const QLocale &locale);

#endif
