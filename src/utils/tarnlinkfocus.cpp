// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnlinkfocus_p.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QTextDocument>

TarnLinkFocus::TarnLinkFocus(QLabel *label)
    : QObject(label)
{
    label->setTextInteractionFlags(label->textInteractionFlags() | Qt::LinksAccessibleByKeyboard);
    label->installEventFilter(this);
}

void TarnLinkFocus::install(QLabel *label)
{
    static const QRegularExpression anchor(QStringLiteral("<a\\s[^>]*href"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (Qt::mightBeRichText(label->text()) && label->text().contains(anchor))
        new TarnLinkFocus(label);
}

// Focus that arrives by Tab selects the first link, by Shift+Tab the last, as the label's own
// Tab does between its links. The focus event itself leaves the selected link alone.
bool TarnLinkFocus::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::FocusIn)
        return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
        QKeyEvent tab(QEvent::KeyPress,
                      reason == Qt::TabFocusReason ? Qt::Key_Tab : Qt::Key_Backtab,
                      reason == Qt::TabFocusReason ? Qt::NoModifier : Qt::ShiftModifier);
        watched->event(&tab);
    }
    return false;
}
