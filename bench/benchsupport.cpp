// SPDX-License-Identifier: LGPL-2.1-or-later
#include "benchcases.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void fillContent(QWidget *content)
{
    auto *layout = new QVBoxLayout(content);
    layout->addWidget(new QLabel(QStringLiteral("快捷键冲突"), content));
    layout->addWidget(new QLineEdit(QStringLiteral("192.168.1.10"), content));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(new QPushButton(QStringLiteral("确定"), content));
    buttons->addWidget(new QPushButton(QStringLiteral("取消"), content));
    layout->addLayout(buttons);
}
