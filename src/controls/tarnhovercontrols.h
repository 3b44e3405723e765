// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_TARNHOVERCONTROLS_H
#define TARNUILIB_TARNHOVERCONTROLS_H

#include "tarnenterevent.h"
#include "tarnuilib_export.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace TarnUI {

// The hover reporting shared by the Tarn* controls below. Derived declares the signal
// sigMouseHoverEnterChanged(bool); Control is the Qt widget it extends. No hover state is
// kept: every enter reports true, every leave with the pointer really outside reports false.
template<class Derived, class Control>
class HoverSignaller : public Control
{
public:
    using Control::Control;

protected:
    void enterEvent(TarnUI::EnterEvent *) override
    {
        Q_EMIT derived()->sigMouseHoverEnterChanged(true);
    }
    void leaveEvent(QEvent *) override { reportLeaveIfOutside(); }

    // A leave while the pointer still lies over the control (a popup or another window
    // took it) does not end the hover. The outermost pixel row and column count as inside.
    void reportLeaveIfOutside()
    {
        if (!this->rect().contains(this->mapFromGlobal(QCursor::pos())))
            Q_EMIT derived()->sigMouseHoverEnterChanged(false);
    }

private:
    Derived *derived() { return static_cast<Derived *>(this); }
};

} // namespace TarnUI

class TARNUILIB_EXPORT TarnComboBox : public TarnUI::HoverSignaller<TarnComboBox, QComboBox>
{
    Q_OBJECT
public:
    explicit TarnComboBox(QWidget *parent = nullptr);

    // Closing the list ends the hover when the pointer is no longer over the box.
    void hidePopup() override;

Q_SIGNALS:
    void sigMouseHoverEnterChanged(bool bEnter);
};

class TARNUILIB_EXPORT TarnLineEdit : public TarnUI::HoverSignaller<TarnLineEdit, QLineEdit>
{
    Q_OBJECT
public:
    explicit TarnLineEdit(QWidget *parent = nullptr);

Q_SIGNALS:
    void sigMouseHoverEnterChanged(bool bEnter);
};

class TARNUILIB_EXPORT TarnCheckBox : public TarnUI::HoverSignaller<TarnCheckBox, QCheckBox>
{
    Q_OBJECT
public:
    explicit TarnCheckBox(QWidget *parent = nullptr);

Q_SIGNALS:
    void sigMouseHoverEnterChanged(bool bEnter);
};

class TARNUILIB_EXPORT TarnLabel : public TarnUI::HoverSignaller<TarnLabel, QLabel>
{
    Q_OBJECT
public:
    explicit TarnLabel(QWidget *parent = nullptr);

Q_SIGNALS:
    void sigMouseHoverEnterChanged(bool bEnter);
};

class TARNUILIB_EXPORT TarnPushButton : public TarnUI::HoverSignaller<TarnPushButton, QPushButton>
{
    Q_OBJECT
public:
    explicit TarnPushButton(QWidget *parent = nullptr);

Q_SIGNALS:
    void sigMouseHoverEnterChanged(bool bEnter);
};

#endif
