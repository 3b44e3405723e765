// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNGALLERY_GALLERYWINDOW_H
#define TARNGALLERY_GALLERYWINDOW_H

#include <TarnUILib/TarnUILib.h>

#include <memory>

class QCheckBox;
class QLabel;
class QShortcut;

// One window that shows every widget of the library the way a host would use it.
class GalleryWindow : public TarnBaseDialog
{
    Q_OBJECT

public:
    explicit GalleryWindow(TarnInterface *facade);

    // Each runs its dialog modally and returns when the dialog closes.
    void showMessageBox();
    void showNotice();
    void showShortcutSettings();

    // The same dialogs, built but not shown.
    std::unique_ptr<TarnMsgBox> createMessageBox();
    std::unique_ptr<TarnMsgBox> createNotice();
    std::unique_ptr<TarnBaseDialog> createShortcutSettings();

    void setStayOnTopChecked(bool checked);

private:
    QWidget *buildHoverControls();
    QWidget *buildViews();
    QWidget *buildAddressEditor();
    QWidget *buildActions();
    void applyShortcuts();
    void report(const QString &text);
    void noteStorageFailure(const QString &reason);
    void showStorageFailures();

    TarnInterface *m_facade;
    QLabel *m_status = nullptr;
    QCheckBox *m_onTop = nullptr;
    QList<QShortcut *> m_shortcuts;
    QStringList m_storageFailures; // not shown yet
};

#endif
