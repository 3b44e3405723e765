// SPDX-License-Identifier: LGPL-2.1-or-later
#include <TarnUILib/TarnUILib.h>

#include <QApplication>
#include <QTextStream>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    gScale = 1.5;
    setWinDpiScale(1.3);
    QWidget parent;
    QWidget child(&parent);
    const bool ok =
        adjusteResourcePath(QStringLiteral(":/logo.png")) == QLatin1String(":/1.5x/logo.png")
        && getScaleFactor() == 1.25 && rootDialog(&child) == &parent
        && ShortCutsManager::ActionCount == 11;
    QTextStream(stdout) << (ok ? "consumer ok" : "consumer FAILED") << '\n';
    return ok ? 0 : 1;
}
