// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_TARNTITLEWIDGET_H
#define TARNUILIB_TARNTITLEWIDGET_H

#include "tarnuilib_export.h"

#include <QWidget>

// The title bar of TarnBaseDialog. A left press in the top three pixel rows starts a drag
// of the dialog's top edge, reported by signals; every other mouse action travels on to the
// dialog, which moves the window. The background comes from the style sheet.
class TARNUILIB_EXPORT TarnTitleWidget : public QWidget
{
    Q_OBJECT

public:
    explicit TarnTitleWidget(QWidget *parent = nullptr);

    bool isDraggable() const;
    void setDraggable(bool on);
    // Whether pos, in widget coordinates, lies in the band that drags the top edge.
    bool isDragAreaTriggered(const QPoint &pos) const;

signals:
    void sigDragBegin();
    // hitScaleType is always the top-edge hit code 12; the changes are the pointer's travel
    // in screen pixels since the press.
    void sigUpdateDragGeometory(int hitScaleType, int widthChange, int heightChange);
    void sigSetFocus();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_pressed = false;
    bool m_dragArea = false;
    bool m_draggable = false;
    int m_pressGlobalX = 0;
    int m_pressGlobalY = 0;
};

#endif
