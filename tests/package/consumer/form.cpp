// SPDX-License-Identifier: LGPL-2.1-or-later
// A form author's use of the package: form.ui, holding every widget the Designer plugin offers,
// compiled by uic (which constructs each widget with its parent alone) and set up offscreen.
#include "ui_form.h"

#include <QtTest>

class tst_Form : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each widget of the form is named after its class, the first letter lowered.
    void eachWidgetIsOfItsOwnClass()
    {
        QWidget form;
        Ui::Form().setupUi(&form);
        const QList<QWidget *> widgets =
            form.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
        for (QWidget *widget : widgets) {
            QString name = widget->objectName();
            name[0] = name[0].toUpper();
            QCOMPARE(widget->metaObject()->className(), name);
        }
    }
};

QTEST_MAIN(tst_Form)
#include "form.moc"
