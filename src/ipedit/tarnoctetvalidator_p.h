// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_TARNOCTETVALIDATOR_P_H
#define TARNUILIB_TARNOCTETVALIDATOR_P_H

#include <QIntValidator>

// What an octet is, for the whole address editor: a decimal number from 0 to 255 of at most
// three digits. As a validator, QIntValidator(0, 255) that also refuses 256 to 999, which
// QIntValidator calls Intermediate and so lets QLineEdit take by typing, paste or drop.
class TarnOctetValidator : public QIntValidator
{
    Q_OBJECT

public:
    static constexpr int kMaxValue = 255;
    static constexpr int kMaxDigits = 3;

    explicit TarnOctetValidator(QObject *parent = nullptr);

    State validate(QString &input, int &position) const override;

    // Whether text is a finished octet as a field's validator sees it.
    static bool isAcceptable(const QString &text);
    // Whether text reads as a number in range with QString::toInt, base 10.
    static bool holdsOctet(const QString &text);
    // One octet as a QRegExp pattern, leading zeros allowed: for reading whole addresses. ASCII
    // digits only: QRegExp's \d takes digits of every script, which the fields do not show as
    // typed and QString::toInt does not read.
    static QString pattern();
};

#endif
