// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_TARNDESIGNERPLUGIN_H
#define TARNUILIB_TARNDESIGNERPLUGIN_H

#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

// The widgets of the library that a form designer places: the IP editor, the hover controls,
// the auto-hide views, the rotating label and the shortcut capture field.
class TarnDesignerPlugin : public QObject, public QDesignerCustomWidgetCollectionInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit TarnDesignerPlugin(QObject *parent = nullptr);

    QList<QDesignerCustomWidgetInterface *> customWidgets() const override;

private:
    QList<QDesignerCustomWidgetInterface *> m_widgets;
};

#endif
