// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_TARNOCTETVALIDATOR_P_H
#define TARNUILIB_TARNOCTETVALIDATOR_P_H

#include <QIntValidator>
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QRegularExpressionValidator>
#else
#include <QRegExpValidator>
#endif

// What reads whole addresses: QRegExpValidator, and on Qt 6, which has no QRegExp, its
// successor on a pattern that accepts exactly the same strings.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
using TarnAddressValidator = QRegularExpressionValidator;
using TarnAddressPattern = QRegularExpression;
#else
using TarnAddressValidator = QRegExpValidator;
using TarnAddressPattern = QRegExp;
#endif

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
    // Four such octets with dots between them, for TarnAddressValidator.
    static TarnAddressPattern addressPattern();
};

#endif
