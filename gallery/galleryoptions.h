// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNGALLERY_GALLERYOPTIONS_H
#define TARNGALLERY_GALLERYOPTIONS_H

#include <QString>
#include <QStringList>

// The gallery's command line, every value checked before a window is built (and before a
// display is opened, so that --help works without one).
struct GalleryOptions
{
    // What the command line asks for.
    enum Request {
        Run,
        Help, // print text on standard output and exit 0: the help or the version
        Refuse, // print text on standard error and exit 2: what is wrong and the usage line
    };

    QString language; // "zh", "en", or empty for the system's
    QString style = QStringLiteral("light");
    double scale = 0; // 0: the display's, snapped to a scale the gallery has images for
    QString open; // a dialog to open at start: "message", "notice" or "shortcuts"
    QString screenshotsDir; // a folder that exists and takes files

    static Request parse(const QStringList &arguments, GalleryOptions *options, QString *text);
};

#endif
