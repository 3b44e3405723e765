// SPDX-License-Identifier: LGPL-2.1-or-later
// Uses the installed package the way a host does: one include, the library's classes and
// the core library's globals, the embedded translation.
#include <TarnUILib/TarnUILib.h>

#include <QApplication>
#include <QTextStream>
#include <QToolButton>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    gScale = 1.5;
    loadTarnUILibTranslation(QLocale(QStringLiteral("en")));
    TarnBaseDialog dialog(nullptr, QStringLiteral("consumer"), 1);
    QToolButton *close = dialog.findChild<QToolButton *>(QStringLiteral("close-button"));
    const bool ok = adjusteResourcePath(":/logo.png") == ":/1.5x/logo.png"
        && getScaleFactor() >= 1.0 && rootDialog(close) == &dialog && close->toolTip() == "Close";
    QTextStream(stdout) << (ok ? "consumer ok" : "consumer FAILED") << '\n';
    return ok ? 0 : 1;
}
