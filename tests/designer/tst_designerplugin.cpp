// SPDX-License-Identifier: LGPL-2.1-or-later
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QPluginLoader>
#include <QtTest>
#include <QtWidgets>

class tst_DesignerPlugin : public QObject
{
    Q_OBJECT

    QMap<QString, QDesignerCustomWidgetInterface *> m_widgets;

private Q_SLOTS:
    void initTestCase()
    {
        QPluginLoader loader(QStringLiteral(TARN_DESIGNER_PLUGIN));
        auto *collection =
            qobject_cast<QDesignerCustomWidgetCollectionInterface *>(loader.instance());
        QVERIFY2(collection, qPrintable(loader.errorString()));
        for (QDesignerCustomWidgetInterface *widget : collection->customWidgets())
            m_widgets.insert(widget->name(), widget);
        QCOMPARE(m_widgets.size(), collection->customWidgets().size());
    }

    void createsWidgetOfItsOwnClass_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : { "TarnIpAddrEdit", "TarnComboBox", "TarnLineEdit", "TarnCheckBox",
                                  "TarnLabel", "TarnPushButton", "AutoHideScrollListView",
                                  "AutoHideScrollTableView", "AutoHideScrollListWidget",
                                  "AutoHideScrollTableWidget", "RotateAnimLabel", "ShortCutEdit" })
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void createsWidgetOfItsOwnClass()
    {
        QFETCH(QString, name);
        QDesignerCustomWidgetInterface *plugin = m_widgets.value(name);
        QVERIFY(plugin);
        QCOMPARE(plugin->group(), QStringLiteral("TarnUILib"));
        QWidget form;
        QWidget *widget = plugin->createWidget(&form);
        QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), name);

        QVERIFY(!plugin->icon().pixmap(24).isNull());
        // Generated forms include a header the package installs (the form consumer builds one).
        QVERIFY(plugin->includeFile().startsWith("TarnUILib/"));
    }
};

QTEST_MAIN(tst_DesignerPlugin)
#include "tst_designerplugin.moc"
