// SPDX-License-Identifier: LGPL-2.1-or-later
#include "galleryoptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
// The scales the gallery has images for (:/1x/, :/1.25x/, :/1.5x/).
const QStringList imageScales = { QStringLiteral("1"), QStringLiteral("1.25"),
                                  QStringLiteral("1.5") };

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
    QString text;
    if (!choose(parser, QStringLiteral("scale"), imageScales, &text, error))
        return false;
    *scale = text.isEmpty() ? 0 : text.toDouble();
    return true;
}

bool makeFolder(const QString &path, QString *error)
{
    if (QDir().mkpath(path) && QFileInfo(path).isWritable())
        return true;
    *error =
        QStringLiteral("--screenshots: \"%1\" is not a folder that can be written to").arg(path);
    return false;
}

QString usageLine(const QCommandLineParser &parser)
{
    return parser.helpText().section(QLatin1Char('\n'), 0, 0);
}

bool readValues(const QCommandLineParser &parser, GalleryOptions *options, QString *error)
{
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
    options->screenshotsDir = parser.value(QStringLiteral("screenshots"));
    return !parser.isSet(QStringLiteral("screenshots"))
        || makeFolder(options->screenshotsDir, error);
}
} // namespace

GalleryOptions::Request GalleryOptions::parse(const QStringList &arguments, GalleryOptions *options,
                                              QString *text)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows every widget of TarnUILib, or writes a picture of each window."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOptions({
        { QStringLiteral("lang"),
          QStringLiteral("Language of every window: zh or en (default: the system's; English "
                         "when it is neither)."),
          QStringLiteral("zh|en") },
        { QStringLiteral("style"), QStringLiteral("Sample style sheet: light or dark."),
          QStringLiteral("light|dark") },
        { QStringLiteral("scale"),
          QStringLiteral("UI scale: 1, 1.25 or 1.5 (default: the display's, to the nearest)."),
          QStringLiteral("factor") },
        { QStringLiteral("open"), QStringLiteral("Open a dialog: message, notice or shortcuts."),
          QStringLiteral("dialog") },
        { QStringLiteral("screenshots"),
          QStringLiteral("Write a PNG of every window into the folder and exit."),
          QStringLiteral("folder") },
    });
    QString error;
    if (!parser.parse(arguments))
        error = parser.errorText();
    else if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        *text = parser.helpText();
    else if (parser.isSet(version))
        *text = QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                              QCoreApplication::applicationVersion());
    else if (!parser.positionalArguments().isEmpty())
        error = QStringLiteral("unexpected argument \"%1\"")
                    .arg(parser.positionalArguments().constFirst());
    else if (readValues(parser, options, &error))
        return Run;
    if (error.isEmpty())
        return Help;
    *text = error + QLatin1Char('\n') + usageLine(parser);
    return Refuse;
}
