// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARN_TESTS_NOTICECLOSER_H
#define TARN_TESTS_NOTICECLOSER_H

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

// What a modal notice showed before the test closed it.
struct Notice
{
    QString title;
    QString message;
    QStringList buttons; // "text/objectName"
    bool shown = false;
};

// Reads the modal notice once a key handler has opened it and closes it with its first
// button. Call right before the event that opens it.
inline void closeNoticeLater(Notice &notice)
{
    QTimer::singleShot(0, [&notice] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box)
            return;
        notice.shown = true;
        notice.title = box->findChild<QLabel *>(QStringLiteral("titleLabel"))->text();
        notice.message =
            box->findChild<QLabel *>(QStringLiteral("TarnLabelText_Regular_12"))->text();
        const QList<QPushButton *> buttons = box->findChildren<QPushButton *>();
        for (QPushButton *button : buttons)
            notice.buttons << button->text() + QLatin1Char('/') + button->objectName();
        QTest::mouseClick(buttons.value(0), Qt::LeftButton);
    });
}

#endif
