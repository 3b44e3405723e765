// SPDX-License-Identifier: LGPL-2.1-or-later
// A form author's use of the package: form.ui, holding every widget the Designer plugin offers,
// compiled by uic (which constructs each widget with its parent alone) and set up offscreen.
#include "ui_form.h"

#include <QtTest>

class tst_Form : public QObject
{
    Q_OBJECT

    QWidget m_form;
    Ui::Form m_ui;

private Q_SLOTS:
    void initTestCase() { m_ui.setupUi(&m_form); }

    void eachWidgetIsOfItsOwnClass_data()
    {
        QTest::addColumn<QWidget *>("widget");
        QTest::addColumn<QString>("className");
        // Each widget of the form is named after its class, the first letter lowered.
        const QList<QWidget *> widgets =
            m_form.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(widgets.size(), 12);
        for (QWidget *widget : widgets) {
            QString name = widget->objectName();
            name[0] = name[0].toUpper();
            QTest::newRow(qPrintable(name)) << widget << name;
        }
    }
    void eachWidgetIsOfItsOwnClass()
    {
        QFETCH(QWidget *, widget);
        QFETCH(QString, className);
        QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
        QCOMPARE(widget->parentWidget(), &m_form);
    }
};

QTEST_MAIN(tst_Form)
#include "form.moc"
