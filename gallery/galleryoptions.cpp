// SPDX-License-Identifier: LGPL-2.1-or-later
#include "galleryoptions.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace {
const double maxScale = 4;

QString badChoice(const QString &option, const QString &value, const QStringList &choices)
{
    const QString alternatives = choices.mid(0, choices.size() - 1).join(QLatin1String(", "))
        + QLatin1String(" or ") + choices.last();
    return QStringLiteral("--%1 takes %2, not \"%3\"").arg(option, alternatives, value);
}

bool choose(const QCommandLineParser &parser, const QString &option, const QStringList &choices,
            QString *value, QString *error)
{
    if (!parser.isSet(option))
        return true;
    *value = parser.value(option);
    if (choices.contains(*value))
        return true;
    *error = badChoice(option, *value, choices);
    return false;
}

bool readScale(const QCommandLineParser &parser, double *scale, QString *error)
{
    if (!parser.isSet(QStringLiteral("scale")))
        return true;
    const QString text = parser.value(QStringLiteral("scale"));
    bool ok = false;
    *scale = text.toDouble(&ok);
    // Written this way round, NaN fails too.
    if (ok && *scale > 0 && *scale <= maxScale)
        return true;
    *error = QStringLiteral("--scale takes a number above 0 and up to %1, not \"%2\"")
                 .arg(maxScale)
                 .arg(text);
    return false;
}

bool makeFolder(const QString &path, QString *error)
{
    if (QDir().mkpath(path) && QFileInfo(path).isWritable())
        return true;
    *error =
        QStringLiteral("--screenshots: \"%1\" is not a folder that can be written to").arg(path);
    return false;
}
} // namespace

bool GalleryOptions::parse(const QStringList &arguments, GalleryOptions *options, QString *error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows every widget of TarnUILib, or writes a picture of each window."));
    parser.addHelpOption();
    parser.addOptions({
        { QStringLiteral("lang"), QStringLiteral("Language of the library: zh or en."),
          QStringLiteral("zh|en") },
        { QStringLiteral("style"), QStringLiteral("Sample style sheet: light or dark."),
          QStringLiteral("light|dark") },
        { QStringLiteral("config"), QStringLiteral("Settings file of the core library."),
          QStringLiteral("path") },
        { QStringLiteral("scale"),
          QStringLiteral("UI scale above 0 and up to 4, e.g. 1, 1.25 or 1.5."),
          QStringLiteral("factor") },
        { QStringLiteral("open"), QStringLiteral("Open a dialog: message, notice or shortcuts."),
          QStringLiteral("dialog") },
        { QStringLiteral("screenshots"),
          QStringLiteral("Write a PNG of every window into the folder and exit."),
          QStringLiteral("folder") },
    });
    parser.process(arguments);

    if (!choose(parser, QStringLiteral("lang"), { QStringLiteral("zh"), QStringLiteral("en") },
                &options->language, error)
        || !choose(parser, QStringLiteral("style"),
                   { QStringLiteral("light"), QStringLiteral("dark") }, &options->style, error)
        || !choose(
            parser, QStringLiteral("open"),
            { QStringLiteral("message"), QStringLiteral("notice"), QStringLiteral("shortcuts") },
            &options->open, error)
        || !readScale(parser, &options->scale, error))
        return false;
    options->configPath = parser.value(QStringLiteral("config"));
    if (parser.isSet(QStringLiteral("config")) && options->configPath.isEmpty()) {
        *error = QStringLiteral("--config takes the path of a settings file");
        return false;
    }
    options->screenshotsDir = parser.value(QStringLiteral("screenshots"));
    if (parser.isSet(QStringLiteral("screenshots")))
        return makeFolder(options->screenshotsDir, error);
    return true;
}
