// SPDX-License-Identifier: LGPL-2.1-or-later
// The gallery: every widget of the library in one window, styled as a host would style it.
//   tarn-gallery [--scale 1|1.25|1.5] [--screenshot file.png]
// On the offscreen platform it shows the window, writes the screenshot if asked, and exits.
#include "gallerywindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QTimer>

namespace {
QString styleSheet()
{
    QFile file(QStringLiteral(":/gallery.qss"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tarn-gallery"));

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption scale(QStringLiteral("scale"), QStringLiteral("UI scale"),
                                   QStringLiteral("factor"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Write a PNG of the window"),
                                        QStringLiteral("file"));
    parser.addOptions({ scale, screenshot });
    parser.process(app);

    gScale = parser.isSet(scale) ? parser.value(scale).toDouble() : getScaleFactor();
    app.setStyleSheet(styleSheet());

    TarnInterface facade;
    TarnInterface::mInstance = &facade;
    int result = 0;
    {
        GalleryWindow window(&facade);
        window.center(nullptr);

        const bool offscreen = QGuiApplication::platformName() == QLatin1String("offscreen");
        if (parser.isSet(screenshot) || offscreen) {
            QTimer::singleShot(0, &window, [&] {
                if (parser.isSet(screenshot) && !window.grab().save(parser.value(screenshot)))
                    result = 1;
                if (offscreen)
                    QCoreApplication::quit();
            });
        }
        result = app.exec() | result;
    }
    delete ShortCutsManager::_instance;
    ShortCutsManager::_instance = nullptr;
    return result;
}
