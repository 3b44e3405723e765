// SPDX-License-Identifier: LGPL-2.1-or-later
#include "rotateanimlabel.h"

#include <QPainter>
#include <QTimerEvent>

RotateAnimLabel::RotateAnimLabel(const QString &imagePath, QWidget *parent)
    : QLabel(parent)
    , m_pixmap(imagePath)
{
    setMinimumSize(m_pixmap.size());
    // Without a name a screen reader takes the title of an enclosing group box for one.
    setAccessibleName(tr("正在加载"));
}

RotateAnimLabel::RotateAnimLabel(QWidget *parent)
    : RotateAnimLabel(QString(), parent)
{
}

void RotateAnimLabel::setImagePath(const QString &imagePath)
{
    m_pixmap = QPixmap(imagePath);
    setMinimumSize(m_pixmap.size());
    update();
}

void RotateAnimLabel::startAnimation(int interval)
{
    if (m_timerId != 0)
        return;
    m_timerId = startTimer(interval, Qt::CoarseTimer);
}

void RotateAnimLabel::stopAnimation()
{
    killTimer(m_timerId);
    m_timerId = 0;
}

void RotateAnimLabel::timerEvent(QTimerEvent *event)
{
    // A stopped label has id 0, which no timer carries.
    if (event->timerId() != m_timerId)
        return;
    m_angle += AngleStep;
    update();
}

void RotateAnimLabel::paintEvent(QPaintEvent *)
{
    // Nothing to draw for a path that named no image; scaling it would only warn.
    if (m_pixmap.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    // Scaling keeps the aspect ratio, so only a change of height needs a new copy; the
    // scaled copy replaces the original and is kept until the height changes again.
    if (m_pixmap.height() != height())
        m_pixmap = m_pixmap.scaledToHeight(height(), Qt::SmoothTransformation);
    const QPointF centre(m_pixmap.width() * 0.5, m_pixmap.height() * 0.5);
    painter.translate(centre);
    painter.rotate(m_angle);
    painter.translate(-centre);
    painter.drawPixmap(QPointF(0, 0), m_pixmap);
}
