// SPDX-License-Identifier: LGPL-2.1-or-later
// The README's code, as the README shows it, inside a host's main(). Its modal message box is
// answered as a user would: "Delete" is clicked once exec() waits for an answer.
#include <TarnUILib/TarnUILib.h>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTextStream>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTimer user;
    // The box is the modal widget already while show() runs, and on Windows a 10 ms timer can
    // fire inside show(): a click there closes the box before exec() enters its event loop,
    // which then waits for ever. Outside exec() no event loop runs here.
    QObject::connect(&user, &QTimer::timeout, [] {
        QWidget *box = QApplication::activeModalWidget();
        if (box && QThread::currentThread()->loopLevel() > 0)
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
