// SPDX-License-Identifier: LGPL-2.1-or-later
#include "screenshots.h"

#include "gallerywindow.h"

#include <QDir>
#include <QPixmap>
#include <functional>

namespace {
using Picture = std::function<QPixmap()>;

QPixmap picture(QWidget *window)
{
    window->show();
    // A first show keeps a window within two thirds of the screen, which the offscreen screen
    // makes narrower than the gallery's windows; a desktop screen shows them whole.
    window->resize(window->size().expandedTo(window->sizeHint()));
    return window->grab();
}

template<typename Dialog>
Picture dialogPicture(std::unique_ptr<Dialog> (GalleryWindow::*create)(), GalleryWindow *window)
{
    return [=] {
        return picture((window->*create)().get());
    };
}
} // namespace

QStringList writeScreenshots(GalleryWindow *window, const QString &folder, QString *error)
{
    const QList<QPair<QString, Picture>> pictures = {
        { QStringLiteral("main.png"),
          [=] {
              return picture(window);
          } },
        { QStringLiteral("message.png"), dialogPicture(&GalleryWindow::createMessageBox, window) },
        { QStringLiteral("notice.png"), dialogPicture(&GalleryWindow::createNotice, window) },
        { QStringLiteral("shortcuts.png"),
          dialogPicture(&GalleryWindow::createShortcutSettings, window) },
        { QStringLiteral("main-on-top.png"),
          [=] {
              window->setStayOnTopChecked(true);
              return picture(window);
          } },
    };
    QStringList written;
    for (const auto &entry : pictures) {
        const QString file = QDir(folder).filePath(entry.first);
        if (!entry.second().save(file, "PNG")) {
            *error = QStringLiteral("cannot write \"%1\"").arg(file);
            break;
        }
        written.append(file);
    }
    return written;
}
