// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_TARNMSGBOX_H
#define TARNUILIB_TARNMSGBOX_H

#include "tarnbasedialog.h"
#include "tarnuilib_export.h"

#include <QString>
#include <functional>

class QCheckBox;
class QFrame;
class QHBoxLayout;
class QLabel;
class QLayout;
class QPushButton;
class QVBoxLayout;

// Modal message box on the frameless dialog: an optional icon at the left, the message
// text, extra labels and check boxes under it, and a row of buttons at the bottom.
// Run it with exec() and ask clickedButton() afterwards which of its buttons ended it;
// exec() returns QDialog::Rejected in every case, since the buttons close the box.
class TARNUILIB_EXPORT TarnMsgBox : public TarnBaseDialog
{
    Q_OBJECT

public:
    TarnMsgBox(const QString &title, const QString &text, QWidget *parent = nullptr);
    // frameIconPath is the title-bar icon; the icon beside the text is setMessageIcon()'s.
    // This form also caps the width of the box.
    TarnMsgBox(const QString &frameIconPath, const QString &title, const QString &text,
               QWidget *parent = nullptr);

    // Builds the body; the constructors call it, once.
    void initUIWithText(QString text);

    // The button records itself as clickedButton() and closes the box.
    QPushButton *addButton(const QString &text, bool green = false);
    // The button records itself as clickedButton(), then runs callback (if any); the box
    // stays open unless the callback closes it.
    QPushButton *addButtonSlot(const QString &text, std::function<void()> callback,
                               bool green = false);
    // Check boxes and labels take the text layout's alignment at the time of the call:
    // call setMessageIcon() first to have them left-aligned beside the icon.
    QCheckBox *addCheckbox(const QString &text, bool checked = false);
    QLabel *addLabel(const QString &text, bool openExternalLinks = false);
    void addBtnStretch(int stretch = 0);
    void addChkboxStretch(int stretch = 0);
    void addSecondaryTextSpacing(int size);

    // An empty path removes the icon; the image is shown at its own size, unscaled.
    void setMessageIcon(QString path);

    // The button whose click was handled last; null until one is clicked. Not reset
    // between runs, and left alone when the box is closed by other means.
    QPushButton *clickedButton() const;

private:
    QLayout *createIconLayout();
    QFrame *createTextFrame(QString text);
    QPushButton *createButton(const QString &text, bool green);

    QLabel *m_messageIconLabel = nullptr;
    QVBoxLayout *m_textLayout = nullptr;
    QHBoxLayout *m_checkboxLayout = nullptr;
    QHBoxLayout *m_buttonLayout = nullptr;
    QVBoxLayout *m_secondaryTextLayout = nullptr;
    QPushButton *m_clickedButton = nullptr;
};

#endif
