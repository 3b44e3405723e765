// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNGALLERY_SCREENSHOTS_H
#define TARNGALLERY_SCREENSHOTS_H

#include <QStringList>

class GalleryWindow;

// Shows each of the gallery's windows in turn and writes it as a PNG into folder: the main
// window, its two message boxes, the shortcut page and the main window kept on top. Returns
// the files written; stops at the first file that cannot be written and names it in error.
QStringList writeScreenshots(GalleryWindow *window, const QString &folder, QString *error);

#endif
