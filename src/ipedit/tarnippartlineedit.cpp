// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnippartlineedit.h"

#include "tarnoctetvalidator_p.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace {
// Two digits from this value on cannot take a third digit and stay a valid octet.
constexpr int kCompleteTwoDigits = 26;
} // namespace

TarnIpPartLineEdit::TarnIpPartLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setMaxLength(TarnOctetValidator::kMaxDigits);
    setFrame(false);
    setAlignment(Qt::AlignCenter);
    setValidator(new TarnOctetValidator(this));
    // Connected before anyone else, so that a refused text never reaches a listener's
    // reading of text().
    connect(this, &QLineEdit::textChanged, this, &TarnIpPartLineEdit::refuseInvalidText);
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
    if (event->key() == Qt::Key_Period && m_nextPart)
        focusNextPart();
    QLineEdit::keyPressEvent(event);
}

void TarnIpPartLineEdit::text_edited(const QString &text)
{
    if (!TarnOctetValidator::isAcceptable(text) || text.size() < 2)
        return;
    const bool complete = text.size() == TarnOctetValidator::kMaxDigits
        || text.toInt(nullptr, 10) >= kCompleteTwoDigits;
    if (complete && m_nextPart)
        focusNextPart();
}

void TarnIpPartLineEdit::focusNextPart()
{
    m_nextPart->setFocus(Qt::OtherFocusReason);
    m_nextPart->selectAll();
}

void TarnIpPartLineEdit::refuseInvalidText(const QString &text)
{
    // QLineEdit::setText() skips the validator; the field keeps its last valid text instead.
    QString candidate = text;
    int position = 0;
    if (validator()->validate(candidate, position) != QValidator::Invalid)
        m_validText = text;
    else
        setText(m_validText);
}
