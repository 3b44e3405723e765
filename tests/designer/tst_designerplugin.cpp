// SPDX-License-Identifier: LGPL-2.1-or-later
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QPluginLoader>
#include <QtTest>
#include <QtWidgets>

class tst_DesignerPlugin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every widget of the library, made as its own class, with an icon (the form consumer builds
    // a form of them from the include files the plugin names).
    void createsEveryWidgetOfItsOwnClass()
    {
        QPluginLoader loader(QStringLiteral(TARN_DESIGNER_PLUGIN));
        auto *collection =
            qobject_cast<QDesignerCustomWidgetCollectionInterface *>(loader.instance());
        QVERIFY2(collection, qPrintable(loader.errorString()));
        QStringList names;
        QWidget form;
        for (QDesignerCustomWidgetInterface *plugin : collection->customWidgets()) {
            names << plugin->name();
            QCOMPARE(plugin->createWidget(&form)->metaObject()->className(), plugin->name());
            QVERIFY(!plugin->icon().pixmap(24).isNull());
        }
        names.sort();
        QCOMPARE(names,
                 QStringList({ "AutoHideScrollListView", "AutoHideScrollListWidget",
                               "AutoHideScrollTableView", "AutoHideScrollTableWidget",
                               "RotateAnimLabel", "ShortCutEdit", "TarnCheckBox", "TarnComboBox",
                               "TarnIpAddrEdit", "TarnLabel", "TarnLineEdit", "TarnPushButton" }));
    }
};

QTEST_MAIN(tst_DesignerPlugin)
#include "tst_designerplugin.moc"
