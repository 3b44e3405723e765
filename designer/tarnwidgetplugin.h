// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_TARNWIDGETPLUGIN_H
#define TARNUILIB_TARNWIDGETPLUGIN_H

#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QSize>

#include <functional>

// One widget of the library as Qt Designer's widget box offers it: in the "TarnUILib" group,
// placed at its default size, declared in the installed header includeFile.
class TarnWidgetPlugin : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    using Factory = std::function<QWidget *(QWidget *parent)>;

    TarnWidgetPlugin(const QString &name, const QString &includeFile, const QString &toolTip,
                     QSize defaultSize, Factory factory, QObject *parent);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget *createWidget(QWidget *parent) override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface *core) override;
    QString domXml() const override;

private:
    QString m_name;
    QString m_includeFile;
    QString m_toolTip;
    QSize m_defaultSize;
    Factory m_factory;
    bool m_initialized = false;
};

#endif
