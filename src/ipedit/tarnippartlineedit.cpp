// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnippartlineedit.h"

#include <QFocusEvent>
#include <QIntValidator>
#include <QKeyEvent>

namespace {
constexpr int kMaxOctet = 255;
constexpr int kOctetDigits = 3;
// Two digits from this value on cannot take a third digit and stay a valid octet.
constexpr int kCompleteTwoDigits = 26;
} // namespace

TarnIpPartLineEdit::TarnIpPartLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setMaxLength(kOctetDigits);
    setFrame(false);
    setAlignment(Qt::AlignCenter);
    setValidator(new QIntValidator(0, kMaxOctet, this));
    connect(this, &QLineEdit::textEdited, this, &TarnIpPartLineEdit::text_edited);
}

TarnIpPartLineEdit::~TarnIpPartLineEdit() = default;

void TarnIpPartLineEdit::focusInEvent(QFocusEvent *event)
{
    selectAll();
    QLineEdit::focusInEvent(event);
}

void TarnIpPartLineEdit::keyPressEvent(QKeyEvent *event)
{
    // QIntValidator(0, 255) calls 256 to 999 Intermediate, which QLineEdit lets the user type.
    // An octet never holds such a value, so the digit that would complete one is swallowed.
    if (exceedsOctet(event)) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Period && m_nextPart)
        focusNextPart();
    QLineEdit::keyPressEvent(event);
}

void TarnIpPartLineEdit::text_edited(const QString &text)
{
    QIntValidator validator(0, kMaxOctet);
    QString candidate = text;
    int position = 0;
    if (validator.validate(candidate, position) != QValidator::Acceptable || text.size() < 2)
        return;
    const bool complete =
        text.size() == kOctetDigits || text.toInt(nullptr, 10) >= kCompleteTwoDigits;
    if (complete && m_nextPart)
        focusNextPart();
}

void TarnIpPartLineEdit::focusNextPart()
{
    m_nextPart->setFocus(Qt::OtherFocusReason);
    m_nextPart->selectAll();
}

bool TarnIpPartLineEdit::exceedsOctet(const QKeyEvent *event) const
{
    const QString typed = event->text();
    if (typed.size() != 1 || typed.at(0) < QLatin1Char('0') || typed.at(0) > QLatin1Char('9'))
        return false;
    QString result = text();
    const int position = hasSelectedText() ? selectionStart() : cursorPosition();
    result.remove(position, selectedText().size());
    result.insert(position, typed);
    return result.size() == kOctetDigits && result.toInt() > kMaxOctet;
}
