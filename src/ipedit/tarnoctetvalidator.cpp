// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnoctetvalidator_p.h"

namespace {
constexpr int kMaxOctet = 255;

// The number written by the digits of text, ignoring signs and separators; above the
// octet range as soon as it passes it.
int digitsValue(const QString &text)
{
    int value = 0;
    for (const QChar c : text) {
        if (c.isDigit())
            value = qMin(value * 10 + c.digitValue(), kMaxOctet + 1);
    }
    return value;
}
} // namespace

TarnOctetValidator::TarnOctetValidator(QObject *parent)
    : QIntValidator(0, kMaxOctet, parent)
{
}

QValidator::State TarnOctetValidator::validate(QString &input, int &position) const
{
    const State state = QIntValidator::validate(input, position);
    return state == Intermediate && digitsValue(input) > top() ? Invalid : state;
}
