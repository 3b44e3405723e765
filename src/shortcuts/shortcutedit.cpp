// SPDX-License-Identifier: LGPL-2.1-or-later
#include "shortcutedit.h"

#include "keytext.h"
#include "shortcutsmanager_p.h"
#include "tarnmsgbox.h"
#include "tarnscale.h"

#include <QKeyEvent>

namespace {
const char indexProperty[] = "ShortCutIndex";
}

ShortCutEdit::ShortCutEdit(QWidget *parent, QString text)
    : QLineEdit(text, parent)
{
    setStyleSheet(QStringLiteral("padding-left: 5px;\n height: 30px"));
    setReadOnly(true);
    setContextMenuPolicy(Qt::NoContextMenu);
    // Read-only to a screen reader, yet it takes keys: say what pressing one does.
    setAccessibleDescription(tr("按下组合键即可设为快捷键"));
}

ShortCutEdit::ShortCutEdit(QWidget *parent)
    : ShortCutEdit(parent, QString())
{
}

ShortCutEdit::~ShortCutEdit() = default;

void ShortCutEdit::setPreviousText(const QString &text)
{
    m_previousText = text;
}

QString ShortCutEdit::complementText(const QString &text) const
{
    return TarnUI::displayKeyText(text);
}

void ShortCutEdit::setIndex(int index)
{
    setProperty(indexProperty, QVariant(index));
}

int ShortCutEdit::getIndex() const
{
    return property(indexProperty).toInt();
}

// Selects only: a click neither places the caret nor starts a drag selection.
void ShortCutEdit::mousePressEvent(QMouseEvent *)
{
    selectAll();
}

// Every key is consumed here, so Esc or Return are captured instead of reaching the
// dialog. While only modifiers are down the field shows their prefix ("Ctrl + "), which
// ends with a space; a complete combination never does.
void ShortCutEdit::keyPressEvent(QKeyEvent *event)
{
    const QString prefix = TarnUI::modifierPrefix(event->modifiers());
    if (!prefix.isEmpty())
        setText(complementText(prefix));
    const QString combination =
        TarnUI::composeKeyText(event->modifiers(), event->key(), objectName());
    // Only a modifier key or a nameless one leaves the prefix as it was.
    if (combination == prefix)
        return;
    const QString candidate = complementText(combination);
    // The combination the field shows already counts as free without asking. Whether a
    // field's own key is a conflict otherwise is the manager's rule (checkConflicts()).
    const bool taken = candidate != text() && TarnUI::shortCutsManager()->checkConflicts(candidate);
    if (taken)
        refuseCombination();
    else
        acceptCombination(candidate);
}

// Releasing any key while only a modifier prefix is shown abandons the capture.
void ShortCutEdit::keyReleaseEvent(QKeyEvent *)
{
    if (text().endsWith(QLatin1Char(' ')))
        setText(QString());
}

void ShortCutEdit::focusOutEvent(QFocusEvent *event)
{
    if (text().endsWith(QLatin1Char(' ')))
        setText(QString());
    QLineEdit::focusOutEvent(event);
}

void ShortCutEdit::inputMethodEvent(QInputMethodEvent *event)
{
    event->ignore();
}

void ShortCutEdit::acceptCombination(const QString &combination)
{
    m_previousText = combination;
    setText(m_previousText);
    TarnUI::shortCutsManager()->updateConfig(ShortCutsManager::ShortCutIndex(getIndex()),
                                             m_previousText);
    selectAll();
}

void ShortCutEdit::refuseCombination()
{
    setText(m_previousText);
    selectAll();
    TarnMsgBox notice(adjusteResourcePath(QStringLiteral(":/logo.png")), tr("Tarn"),
                      QStringLiteral("   ") + tr("快捷键冲突") + QStringLiteral("   "), this);
    notice.addButton(tr("确定"), false);
    notice.exec();
}
