// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_SHORTCUTEDIT_H
#define TARNUILIB_SHORTCUTEDIT_H

#include "tarnuilib_export.h"

#include <QLineEdit>

// A read-only field that captures one keyboard shortcut. Each key press is composed into
// a combination and shown in display form ("Ctrl + Q"); a free combination is handed to
// the shortcut manager at once under the field's action index, one already in use is
// refused with a notice and the field shows its last accepted text again.
class TARNUILIB_EXPORT ShortCutEdit : public QLineEdit
{
    Q_OBJECT

public:
    ShortCutEdit(QWidget *parent, QString text);
    // Empty, as the settings page builds it: the constructor uic calls for a form, which
    // gives the text through the "text" property and the index through a dynamic
    // "ShortCutIndex" property.
    explicit ShortCutEdit(QWidget *parent = nullptr);
    ~ShortCutEdit() override;

    // The text shown again after a refused combination. The shown text is left alone.
    void setPreviousText(const QString &text);
    // The display form of a compact key text: "Ctrl+Return" gives "Ctrl + Enter".
    QString complementText(const QString &text) const;
    // The action index (ShortCutsManager::ShortCutIndex), kept in the dynamic property
    // "ShortCutIndex"; 0 until set.
    void setIndex(int index);
    int getIndex() const;

    // The handlers are slots as well, so they can be invoked by name.
private Q_SLOTS:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

protected:
    // Leaving the field abandons an unfinished capture, as a key release in it does: the
    // release may reach another field, and a bare prefix must not be saved.
    void focusOutEvent(QFocusEvent *event) override;
    // Text comes from key presses only. Qt 6's read-only QLineEdit still takes an input
    // method's commit, which Qt 5's refuses.
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    void acceptCombination(const QString &combination);
    void refuseCombination();

    QString m_previousText;
};

#endif
