// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNBENCH_PEERDIALOG_H
#define TARNBENCH_PEERDIALOG_H

#include <QDialog>

// A frameless QDialog with the widget tree of a TarnBaseDialog (title row with icon,
// title and four window buttons, content widget, a margin of the border width) that only
// resizes on a drag: no hit test, no cursor, no painting of its own.
class PeerDialog : public QDialog
{
public:
    explicit PeerDialog(int borderWidth);

    QWidget *contentWidget() const { return m_contentWidget; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QWidget *m_contentWidget = nullptr;
    QRect m_startGeometry;
    QPoint m_pressGlobalPos;
    bool m_pressed = false;
};

#endif
