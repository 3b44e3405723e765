// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnoctetvalidator_p.h"

namespace {
// The number written by the digits of text, ignoring signs and separators; above the
// octet range as soon as it passes it.
int digitsValue(const QString &text)
{
    int value = 0;
    for (const QChar c : text) {
        if (c.isDigit())
            value = qMin(value * 10 + c.digitValue(), TarnOctetValidator::kMaxValue + 1);
    }
    return value;
}
} // namespace

TarnOctetValidator::TarnOctetValidator(QObject *parent)
    : QIntValidator(0, kMaxValue, parent)
{
}

QValidator::State TarnOctetValidator::validate(QString &input, int &position) const
{
    const State state = QIntValidator::validate(input, position);
    return state == Intermediate && digitsValue(input) > top() ? Invalid : state;
}

bool TarnOctetValidator::isAcceptable(const QString &text)
{
    QString candidate = text;
    int position = 0;
    return TarnOctetValidator().validate(candidate, position) == Acceptable;
}

bool TarnOctetValidator::holdsOctet(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok && value >= 0 && value <= kMaxValue;
}

QString TarnOctetValidator::pattern()
{
    return QStringLiteral("2[0-4][0-9]|25[0-5]|[01]?[0-9][0-9]?");
}

TarnAddressPattern TarnOctetValidator::addressPattern()
{
    const QString address = QStringLiteral("((%1)\\.){3}(%1)").arg(pattern());
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QRegularExpression(QRegularExpression::anchoredPattern(address));
#else
    return QRegExp(address);
#endif
}
