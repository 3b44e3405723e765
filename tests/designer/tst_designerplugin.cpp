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
    // Every widget of the library, in the library's group, made as its own class, with an icon
    // and an include file the package installs (the form consumer builds a form of them).
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
            QCOMPARE(plugin->group(), QStringLiteral("TarnUILib"));
            QCOMPARE(plugin->createWidget(&form)->metaObject()->className(), plugin->name());
            QVERIFY(!plugin->icon().pixmap(24).isNull());
            QVERIFY(plugin->includeFile().startsWith("TarnUILib/"));
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
