// SPDX-License-Identifier: LGPL-2.1-or-later
// The README's code, as the README shows it, inside a host's main(). Its modal message box is
// answered as a user would: "Delete" is clicked once the box runs.
#include <TarnUILib/TarnUILib.h>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>
#include <QVBoxLayout>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [] {
        if (QWidget *box = QApplication::activeModalWidget())
            for (QPushButton *button : box->findChildren<QPushButton *>())
                if (button->text() == QLatin1String("Delete"))
                    button->click();
    });
    user.start(10);

#include "readme_code.inc"

    const bool ok = deleted && keep->isChecked() && window.isVisible() && window.isStaysOnTop()
        && page->parentWidget() == content && address->text() == QLatin1String("192.168.1.20")
        && combo->parentWidget() == content && list->parentWidget() == content
        && spinner->parentWidget() == content;
    // The host owns the core library's singletons, the shortcut manager the page created too.
    delete ShortCutsManager::_instance;
    QTextStream(stdout) << (ok ? "readme ok" : "readme FAILED") << '\n';
    return ok ? 0 : 1;
}
