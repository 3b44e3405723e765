// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_TARNIPPARTLINEEDIT_H
#define TARNUILIB_TARNIPPARTLINEEDIT_H

#include "tarnuilib_export.h"

#include <QLineEdit>

class QFocusEvent;
class QKeyEvent;

// One octet of a TarnIpAddrEdit: up to three digits from 0 to 255, centred, without a frame.
// Typing a dot, or completing the octet, hands the focus on to the next octet with its text
// selected, so that the next digit replaces it.
class TARNUILIB_EXPORT TarnIpPartLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit TarnIpPartLineEdit(QWidget *parent = nullptr);
    ~TarnIpPartLineEdit() override;

protected:
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void text_edited(const QString &text);

private:
    friend class TarnIpAddrEdit;

    void focusNextPart();
    void refuseInvalidText(const QString &text);

    // Set by the owning address editor on all but its last octet.
    TarnIpPartLineEdit *m_nextPart = nullptr;
    QString m_validText;
};

#endif
