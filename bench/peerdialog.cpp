// SPDX-License-Identifier: LGPL-2.1-or-later
#include "peerdialog.h"

#include "tarnframe_p.h"

#include <QBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>

PeerDialog::PeerDialog(int borderWidth)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_MouseTracking, true);

    auto *icon = new QLabel;
    icon->setFixedHeight(20);
    auto *title = new QLabel(QStringLiteral("Tarn"));
    title->setMinimumWidth(1);
    auto *titleRow = new QHBoxLayout;
    titleRow->setContentsMargins(0, 0, 0, 0);
    titleRow->setSpacing(0);
    titleRow->addSpacing(5);
    titleRow->addWidget(icon, 0, Qt::AlignCenter);
    titleRow->addSpacing(3);
    titleRow->addWidget(title, 0, Qt::AlignCenter);
    titleRow->addStretch(1);
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(0);
    // Minimise, maximise, restore and close, each doing its job when clicked.
    void (QWidget::*const actions[])() = { &QWidget::showMinimized, &QWidget::showMaximized,
                                           &QWidget::showNormal };
    for (int i = 0; i < 4; ++i) {
        auto *button = new QToolButton;
        button->setAttribute(Qt::WA_MouseTracking, true);
        button->setHidden(i < 3);
        if (i < 3)
            connect(button, &QToolButton::clicked, this, actions[i]);
        else
            connect(button, &QToolButton::clicked, this, &QWidget::close);
        buttons->addWidget(button);
    }
    titleRow->addLayout(buttons, 0);

    auto *titleWidget = new QWidget;
    titleWidget->setAttribute(Qt::WA_MouseTracking, true);
    titleWidget->setLayout(titleRow);
    titleWidget->setFixedHeight(30);

    m_contentWidget = new QWidget(this);
    m_contentWidget->setAttribute(Qt::WA_MouseTracking, true);
    m_contentWidget->setFocusPolicy(Qt::StrongFocus);

    auto *outer = new QVBoxLayout;
    outer->setSpacing(0);
    outer->setContentsMargins(borderWidth, borderWidth, borderWidth, borderWidth);
    outer->addWidget(titleWidget);
    outer->addWidget(m_contentWidget, 0);
    setLayout(outer);
}

void PeerDialog::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    m_pressGlobalPos = TarnUI::globalPos(event);
    m_startGeometry = geometry();
}

void PeerDialog::mouseMoveEvent(QMouseEvent *event)
{
    if (m_pressed)
        setGeometry(
            m_startGeometry.adjusted(0, 0, TarnUI::globalPos(event).x() - m_pressGlobalPos.x(), 0));
}

void PeerDialog::mouseReleaseEvent(QMouseEvent *)
{
    m_pressed = false;
}
