// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_TARNTRANSLATION_H
#define TARNUILIB_TARNTRANSLATION_H

#include "tarnuilib_export.h"

class QLocale;

// Installs the library's translator for locale on the application, replacing the one an earlier
// call installed. The one language rule of the library and its gallery: Chinese, the source
// language, for a Chinese locale (the result is then false); the locale's own translation where
// there is one; English for any other, the C and POSIX locales included.
TARNUILIB_EXPORT bool loadTarnUILibTranslation(const QLocale &locale);

#endif
