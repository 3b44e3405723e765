// SPDX-License-Identifier: LGPL-2.1-or-later
// A small tour of the helpers: a window on the screen under its centre, put on top and
// back, with the scale the interface would be drawn at.
#include <TarnUILib/TarnUILib.h>

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTextStream>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    gScale = getScaleFactor();

    QLabel window;
    window.setText(QStringLiteral("TarnUILib at scale %1").arg(gScale));
    window.resize(400, 120);
    window.show();

    const HWND handle = reinterpret_cast<HWND>(window.winId());
    showWndTopMost(handle);
    QTextStream out(stdout);
    out << window.text() << '\n'
        << "screen under the window: " << currentScreen(window.geometry().center())->name() << '\n'
        << "top-most: " << isWndTopMost(handle) << '\n'
        << "font offset: " << getFontFactor() << '\n'
        << "logo: " << adjusteResourcePath(QStringLiteral(":/logo.png")) << '\n';
    cancelTopMost(handle);
    out << "top-most after cancel: " << isWndTopMost(handle) << '\n';

    // Offscreen there is nobody to close the window.
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
