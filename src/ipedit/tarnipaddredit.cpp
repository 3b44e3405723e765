// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnipaddredit.h"

#include "tarnippartlineedit.h"
#include "tarnoctetvalidator_p.h"
#include "tarnreadingorder_p.h"

#include <QGridLayout>
#include <QLabel>

namespace {
const QString kAddressTemplate = QStringLiteral("%1.%2.%3.%4");
constexpr int kSpacing = 3;

// The fields show bare numbers; a screen reader says which octet each one is, and reads the
// fields and dots from left to right.
template<typename Parts, typename Dots>
void nameParts(const Parts &parts, const Dots &dots)
{
    QList<QWidget *> order;
    for (size_t i = 0; i < parts.size(); ++i) {
        parts[i]->setAccessibleName(
            TarnIpAddrEdit::tr("IPv4 地址，第 %1 段，共 %2 段").arg(i + 1).arg(parts.size()));
        order.append(parts[i]);
        if (i < dots.size())
            order.append(dots[i]);
    }
    TarnUI::setReadingOrder(order);
}
} // namespace

TarnIpAddrEdit::TarnIpAddrEdit(QWidget *parent)
    : QWidget(parent)
{
    for (auto &part : m_parts)
        part = new TarnIpPartLineEdit(this);
    for (auto &dot : m_dots) {
        dot = new QLabel(this);
        dot->setText(QStringLiteral("."));
        dot->setObjectName(QStringLiteral("TarnLabelText_Regular_12"));
        dot->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    }
    for (size_t i = 0; i + 1 < m_parts.size(); ++i) {
        setTabOrder(m_parts[i], m_parts[i + 1]);
        m_parts[i]->m_nextPart = m_parts[i + 1];
    }

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kSpacing);
    for (size_t i = 0; i < m_parts.size(); ++i) {
        const int column = int(i) * 2;
        layout->addWidget(m_parts[i], 0, column);
        layout->setColumnStretch(column, 1);
        if (i < m_dots.size())
            layout->addWidget(m_dots[i], 0, column + 1);
    }
    nameParts(m_parts, m_dots);

    for (auto *part : m_parts)
        connect(part, SIGNAL(textChanged(QString)), this, SLOT(textChangedSlot(QString)));
    for (auto *part : m_parts)
        connect(part, SIGNAL(textEdited(QString)), this, SLOT(textEditedSlot(QString)));
}

TarnIpAddrEdit::~TarnIpAddrEdit() = default;

QString TarnIpAddrEdit::text() const
{
    return kAddressTemplate.arg(m_parts[0]->text(), m_parts[1]->text(), m_parts[2]->text(),
                                m_parts[3]->text());
}

void TarnIpAddrEdit::setText(const QString &text)
{
    QStringList octets;
    const TarnAddressValidator validator { TarnOctetValidator::addressPattern() };
    QString candidate = text;
    int position = 0;
    if (validator.validate(candidate, position) == QValidator::Acceptable)
        octets = text.split(QLatin1Char('.'), Qt::KeepEmptyParts, Qt::CaseSensitive);
    // Each field that changes reports the whole address of that moment, so listeners see the
    // old address turn into the new one field by field.
    for (size_t i = 0; i < m_parts.size(); ++i)
        m_parts[i]->setText(octets.value(int(i)));
}

bool TarnIpAddrEdit::isIpValid()
{
    for (size_t i = 0; i < m_parts.size(); ++i) {
        if (!TarnOctetValidator::holdsOctet(m_parts[i]->text())) {
            m_invalidPartIndex = int(i);
            return false;
        }
    }
    return true;
}

int TarnIpAddrEdit::invalidPartIndex() const
{
    return m_invalidPartIndex;
}

TarnIpPartLineEdit *TarnIpAddrEdit::getPartEdit(int index) const
{
    return index >= 0 && size_t(index) < m_parts.size() ? m_parts[size_t(index)] : nullptr;
}

void TarnIpAddrEdit::setStyleSheet(const QString &styleSheet)
{
    for (auto *part : m_parts)
        part->setStyleSheet(styleSheet);
}

void TarnIpAddrEdit::textChangedSlot(const QString &)
{
    emit textChanged(text());
}

void TarnIpAddrEdit::textEditedSlot(const QString &)
{
    emit textEdited(text());
}
