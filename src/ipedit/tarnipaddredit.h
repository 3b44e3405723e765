// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_TARNIPADDREDIT_H
#define TARNUILIB_TARNIPADDREDIT_H

#include "tarnuilib_export.h"

#include <QWidget>

#include <array>

class QLabel;
class TarnIpPartLineEdit;

// An IPv4 address in dotted-decimal form, edited as four octet fields separated by dots.
// The address text is always the four field texts joined by dots, as typed: "192.168.001.010"
// stays so, and an empty editor reads "...".
class TARNUILIB_EXPORT TarnIpAddrEdit : public QWidget
{
    Q_OBJECT

public:
    explicit TarnIpAddrEdit(QWidget *parent = nullptr);
    ~TarnIpAddrEdit() override;

    QString text() const;
    // Fills the fields from a complete address of four octets of one to three digits each
    // (leading zeros allowed, nothing around it); anything else clears all four fields.
    void setText(const QString &text);
    // True if every field holds a decimal number from 0 to 255. On failure the index of the
    // first failing field is recorded; see invalidPartIndex().
    bool isIpValid();
    // The field of the last failing isIpValid() check, 0 to 3; -1 until a check has failed.
    // A passing check leaves it as it was.
    int invalidPartIndex() const;
    // The octet field at index 0 to 3, left to right; null for any other index.
    TarnIpPartLineEdit *getPartEdit(int index) const;
    // Styles the four octet fields only; the editor itself and its dots keep their own sheets.
    void setStyleSheet(const QString &styleSheet);

signals:
    void textChanged(const QString &text);
    void textEdited(const QString &text);

private slots:
    void textChangedSlot(const QString &text);
    void textEditedSlot(const QString &text);

private:
    std::array<TarnIpPartLineEdit *, 4> m_parts;
    std::array<QLabel *, 3> m_dots;
    int m_invalidPartIndex = -1;
};

#endif
