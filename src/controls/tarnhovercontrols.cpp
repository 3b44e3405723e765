// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnhovercontrols.h"

TarnComboBox::TarnComboBox(QWidget *parent)
    : HoverSignaller(parent)
{
}

void TarnComboBox::hidePopup()
{
    reportLeaveIfOutside();
    QComboBox::hidePopup();
}

TarnLineEdit::TarnLineEdit(QWidget *parent)
    : HoverSignaller(parent)
{
}

TarnCheckBox::TarnCheckBox(QWidget *parent)
    : HoverSignaller(parent)
{
}

TarnLabel::TarnLabel(QWidget *parent)
    : HoverSignaller(parent)
{
}

TarnPushButton::TarnPushButton(QWidget *parent)
    : HoverSignaller(parent)
{
}
