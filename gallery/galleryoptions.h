// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNGALLERY_GALLERYOPTIONS_H
#define TARNGALLERY_GALLERYOPTIONS_H

#include <QString>
#include <QStringList>

// The gallery's command line, every value checked before a window is built.
struct GalleryOptions
{
    QString language; // "zh", "en", or empty for the system's
    QString style = QStringLiteral("light");
    QString configPath; // empty: the stand-in's default file
    double scale = 0; // 0: the display's, snapped by getScaleFactor()
    QString open; // a dialog to open at start: "message", "notice" or "shortcuts"
    QString screenshotsDir; // a folder that exists and takes files

    // --help and unknown options end the program the way QCommandLineParser does. A bad
    // value returns false with a one-line reason in error.
    static bool parse(const QStringList &arguments, GalleryOptions *options, QString *error);
};

#endif
