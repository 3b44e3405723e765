// SPDX-License-Identifier: LGPL-2.1-or-later
// The gallery: every widget of the library in one window, styled by one of the sample style
// sheets. See --help. With --screenshots it pictures every window and exits; on the offscreen
// platform without it, it shows the main window and exits at once.
#include "galleryoptions.h"
#include "gallerywindow.h"
#include "screenshots.h"
#include "tarnlibtesting.h"

#include <QApplication>
#include <QFile>
#include <QTextStream>
#include <QTimer>
#include <vector>

namespace {
// QApplication takes --style for a widget style and drops it from arguments(): the gallery's own
// --style is read from argv beforehand and kept from QApplication.
std::vector<char *> withoutStyleOption(int argc, char *argv[])
{
    std::vector<char *> kept;
    for (int i = 0; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--style")
            ++i;
        else if (!argument.startsWith("--style="))
            kept.push_back(argv[i]);
    }
    kept.push_back(nullptr);
    return kept;
}

QStringList argumentList(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

void applyStyle(QApplication *app, const QString &style)
{
    QFile file(QStringLiteral(":/styles/tarn-%1.qss").arg(style));
    if (file.open(QIODevice::ReadOnly))
        app->setStyleSheet(QString::fromUtf8(file.readAll()));
    if (style == QLatin1String("dark")) {
        // Links in rich-text labels take the palette's colour, which no style sheet reaches.
        QPalette palette = QApplication::palette();
        palette.setColor(QPalette::Link, QColor(0x4c, 0xd7, 0xb0));
        QApplication::setPalette(palette);
    }
}

// Chinese is the library's source language and needs no translator.
bool installTranslation(const QString &language)
{
    if (language.isEmpty())
        loadTarnUILibTranslation(QLocale());
    else if (language == QLatin1String("en"))
        return loadTarnUILibTranslation(QLocale(QLocale::English));
    return true;
}

int fail(const QString &message, int code)
{
    QTextStream(stderr) << QCoreApplication::applicationName() << ": " << message << '\n';
    return code;
}

void openAtStart(GalleryWindow *window, const QString &dialog)
{
    if (dialog == QLatin1String("message"))
        window->showMessageBox();
    else if (dialog == QLatin1String("notice"))
        window->showNotice();
    else if (dialog == QLatin1String("shortcuts"))
        window->showShortcutSettings();
}

int run(GalleryWindow *window, const GalleryOptions &options)
{
    window->center(nullptr);
    if (!options.screenshotsDir.isEmpty()) {
        QString error;
        const QStringList written = writeScreenshots(window, options.screenshotsDir, &error);
        QTextStream out(stdout);
        for (const QString &file : written)
            out << file << '\n';
        return error.isEmpty() ? 0 : fail(error, 1);
    }
    QTimer::singleShot(0, window, [&] {
        if (QGuiApplication::platformName() == QLatin1String("offscreen"))
            QCoreApplication::quit();
        else
            openAtStart(window, options.open);
    });
    return QApplication::exec();
}
} // namespace

int main(int argc, char *argv[])
{
    const QStringList arguments = argumentList(argc, argv);
    std::vector<char *> qtArguments = withoutStyleOption(argc, argv);
    int qtArgumentCount = int(qtArguments.size()) - 1;
    QApplication app(qtArgumentCount, qtArguments.data());
    QApplication::setApplicationName(QStringLiteral("tarn-gallery"));

    GalleryOptions options;
    QString error;
    if (!GalleryOptions::parse(arguments, &options, &error))
        return fail(error, 2);
    if (!installTranslation(options.language))
        return fail(QStringLiteral("the library has no English translation built in"), 1);
    if (!options.configPath.isEmpty())
        TarnLibTesting::setConfigPath(options.configPath);
    gScale = options.scale > 0 ? options.scale : getScaleFactor();
    applyStyle(&app, options.style);

    TarnInterface facade;
    TarnInterface::mInstance = &facade;
    int result = 0;
    {
        GalleryWindow window(&facade);
        result = run(&window, options);
    }
    delete ShortCutsManager::_instance;
    ShortCutsManager::_instance = nullptr;
    return result;
}
