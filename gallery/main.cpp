// SPDX-License-Identifier: LGPL-2.1-or-later
// The gallery: every widget of the library in one window, styled by one of the sample style
// sheets. See --help. With --screenshots it pictures every window and exits; on the offscreen
// platform without it, it shows the main window and exits at once.
#include "galleryoptions.h"
#include "gallerystyle.h"
#include "gallerywindow.h"
#include "screenshots.h"
#include "shortcutsmanager.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QTranslator>
#include <optional>
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

// The library's texts are Chinese and the gallery's English at the source: each of the two
// needs a translator for the other language. Without a language asked for, the gallery speaks
// the library's, which the library's rule picks for the system (and installs when English).
bool installTranslations(const QString &language)
{
    if (language.isEmpty())
        return loadTarnUILibTranslation(QLocale::system())
            || installTranslations(QStringLiteral("zh"));
    if (language == QLatin1String("en"))
        return loadTarnUILibTranslation(QLocale(QLocale::English));
    auto *gallery = new QTranslator(qApp);
    if (!gallery->load(QStringLiteral(":/gallery/translations/tarn-gallery_zh.qm")))
        return false;
    QCoreApplication::installTranslator(gallery);
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

int writePictures(GalleryWindow *window, const QString &folder)
{
    QString error;
    const QStringList written = writeScreenshots(window, folder, &error);
    QTextStream out(stdout);
    for (const QString &file : written)
        out << file << '\n';
    return error.isEmpty() ? 0 : fail(error, 1);
}

int run(GalleryWindow *window, const GalleryOptions &options)
{
    window->center(nullptr);
    if (!options.screenshotsDir.isEmpty())
        return writePictures(window, options.screenshotsDir);
    QTimer::singleShot(0, window, [&] {
        if (QGuiApplication::platformName() == QLatin1String("offscreen"))
            QCoreApplication::quit();
        else
            openAtStart(window, options.open);
    });
    return QApplication::exec();
}

// Pictures show the settings as they are, read from a copy: loading the shortcut page
// writes what the file lacks, and pictures leave no file behind. The copy sits where the
// core library looks once XDG_CONFIG_HOME names the temporary folder (Linux and other Unix).
void useSettingsCopy(const QTemporaryDir &folder)
{
    const QString settings = QStringLiteral("/tarn.ini");
    const QString copy = folder.filePath(QCoreApplication::applicationName());
    QDir().mkpath(copy);
    QFile::copy(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + settings,
                copy + settings);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("tarn-gallery"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARN_VERSION));
    GalleryOptions options;
    QString text;
    GalleryOptions::Request request;
    {
        // The command line is read before a display is opened; the parser's texts need an
        // application object, one without a display.
        int readerArgumentCount = argc;
        const QCoreApplication reader(readerArgumentCount, argv);
        request = GalleryOptions::parse(argumentList(argc, argv), &options, &text);
    }
    switch (request) {
    case GalleryOptions::Help:
        QTextStream(stdout) << text;
        return 0;
    case GalleryOptions::Refuse:
        return fail(text, 2);
    case GalleryOptions::Run:
        break;
    }

    std::vector<char *> qtArguments = withoutStyleOption(argc, argv);
    int qtArgumentCount = int(qtArguments.size()) - 1;
    QApplication app(qtArgumentCount, qtArguments.data());
    if (!installTranslations(options.language))
        return fail(QStringLiteral("no translation built in for \"%1\"").arg(options.language), 1);
    std::optional<QTemporaryDir> settingsCopy;
    if (!options.screenshotsDir.isEmpty())
        useSettingsCopy(settingsCopy.emplace());
    gScale = options.scale > 0 ? options.scale : getScaleFactor();
    applyGalleryStyle(options.style);

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
