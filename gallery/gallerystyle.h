// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNGALLERY_GALLERYSTYLE_H
#define TARNGALLERY_GALLERYSTYLE_H

#include <QString>

// A sample sheet as written, its sizes at scale 1, brought to the current gScale the way the
// library scales its own sizes: every size in pixels multiplied by gScale and truncated, every
// font size raised by getFontFactor().
QString scaledStyleSheet(const QString &sheet);

// Applies the sample style sheet "light" or "dark", scaled, and the link colour that goes
// with it.
void applyGalleryStyle(const QString &style);

#endif
