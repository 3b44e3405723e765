// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarntitlewidget.h"

#include "tarnframe_p.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

namespace {
// The hit code the dialog resizes by when the band is dragged.
constexpr int TopEdgeCode = 12;
// Rows of the band along the top edge, not scaled.
constexpr int DragAreaRows = 3;
} // namespace

TarnTitleWidget::TarnTitleWidget(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_MouseTracking, true);
}

bool TarnTitleWidget::isDraggable() const
{
    return m_draggable;
}

void TarnTitleWidget::setDraggable(bool on)
{
    m_draggable = on;
}

bool TarnTitleWidget::isDragAreaTriggered(const QPoint &pos) const
{
    return QRect(0, 0, width(), DragAreaRows).contains(pos);
}

void TarnTitleWidget::mousePressEvent(QMouseEvent *event)
{
    if (m_draggable && event->button() == Qt::LeftButton
        && event->type() == QEvent::MouseButtonPress) {
        m_pressed = true;
        if (isDragAreaTriggered(event->pos())) {
            emit sigDragBegin();
            m_dragArea = true;
            const QPoint global = TarnUI::globalPos(event);
            m_pressGlobalX = global.x();
            m_pressGlobalY = global.y();
            return;
        }
        m_dragArea = false;
    }
    // Ignored by the base class, so the dialog sees the press and moves the window.
    QWidget::mousePressEvent(event);
}

void TarnTitleWidget::mouseReleaseEvent(QMouseEvent *event)
{
    emit sigSetFocus();
    m_pressed = false;
    m_dragArea = false;
    // Travels on, so that the dialog ends its own drag as well.
    QWidget::mouseReleaseEvent(event);
}

void TarnTitleWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_draggable) {
        TarnUI::setCursorShape(this, Qt::ArrowCursor);
        QWidget::mouseMoveEvent(event);
        return;
    }
    // A press whose release was lost (the bar hidden on entering full screen) ends at the
    // first move with the left button up.
    if (!(event->buttons() & Qt::LeftButton))
        m_pressed = false;
    // A held press keeps the band it started in, wherever the pointer goes.
    if (!m_pressed)
        m_dragArea = isDragAreaTriggered(event->pos());
    TarnUI::setCursorShape(this, m_dragArea ? Qt::SizeVerCursor : Qt::ArrowCursor);
    if (m_pressed && m_dragArea) {
        const QPoint global = TarnUI::globalPos(event);
        emit sigUpdateDragGeometory(TopEdgeCode, global.x() - m_pressGlobalX,
                                    global.y() - m_pressGlobalY);
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void TarnTitleWidget::paintEvent(QPaintEvent *)
{
    QStyleOption option(1, QStyleOption::SO_Default);
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
