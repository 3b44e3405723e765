// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnwidgetplugin.h"

#include <QIcon>

TarnWidgetPlugin::TarnWidgetPlugin(const QString &name, const QString &includeFile,
                                   const QString &toolTip, QSize defaultSize, Factory factory,
                                   QObject *parent)
    : QObject(parent)
    , m_name(name)
    , m_includeFile(includeFile)
    , m_toolTip(toolTip)
    , m_defaultSize(defaultSize)
    , m_factory(std::move(factory))
{
}

QString TarnWidgetPlugin::name() const
{
    return m_name;
}

QString TarnWidgetPlugin::group() const
{
    return QStringLiteral("TarnUILib");
}

QString TarnWidgetPlugin::toolTip() const
{
    return m_toolTip;
}

QString TarnWidgetPlugin::whatsThis() const
{
    return m_toolTip;
}

QString TarnWidgetPlugin::includeFile() const
{
    return m_includeFile;
}

// Drawn by icons/draw-icons.sh, one per widget, named after the class.
QIcon TarnWidgetPlugin::icon() const
{
    return QIcon(QStringLiteral(":/TarnDesignerPlugin/") + m_name.toLower()
                 + QStringLiteral(".png"));
}

bool TarnWidgetPlugin::isContainer() const
{
    return false;
}

QWidget *TarnWidgetPlugin::createWidget(QWidget *parent)
{
    return m_factory(parent);
}

bool TarnWidgetPlugin::isInitialized() const
{
    return m_initialized;
}

void TarnWidgetPlugin::initialize(QDesignerFormEditorInterface *)
{
    m_initialized = true;
}

// Object names follow Designer's own habit: the class name with a lower-case first letter.
QString TarnWidgetPlugin::domXml() const
{
    QString objectName = m_name;
    objectName[0] = objectName[0].toLower();
    return QStringLiteral("<ui language=\"c++\">\n"
                          " <widget class=\"%1\" name=\"%2\">\n"
                          "  <property name=\"geometry\">\n"
                          "   <rect><x>0</x><y>0</y><width>%3</width><height>%4</height></rect>\n"
                          "  </property>\n"
                          " </widget>\n"
                          "</ui>\n")
        .arg(m_name, objectName)
        .arg(m_defaultSize.width())
        .arg(m_defaultSize.height());
}
