// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNGALLERY_GALLERYWINDOW_H
#define TARNGALLERY_GALLERYWINDOW_H

#include <TarnUILib/TarnUILib.h>

class QLabel;
class QShortcut;

// One window that shows every widget of the library the way a host would use it.
class GalleryWindow : public TarnBaseDialog
{
    Q_OBJECT

public:
    explicit GalleryWindow(TarnInterface *facade);

    // Both run modally and return when the dialog closes.
    void showMessageBox();
    void showShortcutSettings();

private:
    QWidget *buildHoverControls();
    QWidget *buildViews();
    QWidget *buildAddressEditor();
    QWidget *buildActions();
    void applyShortcuts();
    void report(const QString &text);

    TarnInterface *m_facade;
    QLabel *m_status = nullptr;
    QList<QShortcut *> m_shortcuts;
};

#endif
