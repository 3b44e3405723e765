// SPDX-License-Identifier: LGPL-2.1-or-later
// The gallery: every widget of the library in one window, styled as a host would style it.
//   tarn-gallery [--scale 1|1.25|1.5] [--open message|shortcuts] [--screenshot file.png]
// On the offscreen platform it shows the window (or the dialog asked for), writes the
// screenshot if asked, and exits.
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
    const QCommandLineOption open(QStringLiteral("open"),
                                  QStringLiteral("Open a dialog: message or shortcuts"),
                                  QStringLiteral("dialog"));
    parser.addOptions({ scale, screenshot, open });
    parser.process(app);
    const QString dialogName = parser.value(open);
    if (!dialogName.isEmpty() && dialogName != QLatin1String("message")
        && dialogName != QLatin1String("shortcuts"))
        parser.showHelp(2);

    gScale = parser.isSet(scale) ? parser.value(scale).toDouble() : getScaleFactor();
    app.setStyleSheet(styleSheet());

    TarnInterface facade;
    TarnInterface::mInstance = &facade;
    int result = 0;
    {
        GalleryWindow window(&facade);
        window.center(nullptr);

        const bool offscreen = QGuiApplication::platformName() == QLatin1String("offscreen");
        const auto capture = [&](QWidget *shown) {
            if (parser.isSet(screenshot) && !shown->grab().save(parser.value(screenshot)))
                result = 1;
        };
        QTimer::singleShot(0, &window, [&] {
            if (dialogName.isEmpty()) {
                capture(&window);
            } else {
                // The dialog runs modally: picture it once it is up.
                QTimer::singleShot(0, &window, [&] {
                    QWidget *dialog = QApplication::activeModalWidget();
                    capture(dialog);
                    if (offscreen)
                        dialog->close();
                });
                if (dialogName == QLatin1String("shortcuts"))
                    window.showShortcutSettings();
                else
                    window.showMessageBox();
            }
            if (offscreen)
                QCoreApplication::quit();
        });
        result = app.exec() | result;
    }
    delete ShortCutsManager::_instance;
    ShortCutsManager::_instance = nullptr;
    return result;
}
