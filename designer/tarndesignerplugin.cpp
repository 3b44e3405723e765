// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarndesignerplugin.h"

#include "autohidescrollviews.h"
#include "rotateanimlabel.h"
#include "shortcutedit.h"
#include "tarnhovercontrols.h"
#include "tarnipaddredit.h"
#include "tarnwidgetplugin.h"

namespace {
template<class Widget>
QWidget *create(QWidget *parent)
{
    return new Widget(parent);
}
} // namespace

TarnDesignerPlugin::TarnDesignerPlugin(QObject *parent)
    : QObject(parent)
{
    const auto add = [this](const char *name, const char *header, const char *toolTip, QSize size,
                            TarnWidgetPlugin::Factory factory) {
        m_widgets.append(new TarnWidgetPlugin(
            QLatin1String(name), QStringLiteral("TarnUILib/") + QLatin1String(header),
            QLatin1String(toolTip), size, std::move(factory), this));
    };
    add("TarnIpAddrEdit", "tarnipaddredit.h", "IPv4 address in four octet fields", { 200, 30 },
        create<TarnIpAddrEdit>);
    add("TarnComboBox", "tarnhovercontrols.h", "Combo box that signals mouse hover", { 120, 30 },
        create<TarnComboBox>);
    add("TarnLineEdit", "tarnhovercontrols.h", "Line edit that signals mouse hover", { 120, 30 },
        create<TarnLineEdit>);
    add("TarnCheckBox", "tarnhovercontrols.h", "Check box that signals mouse hover", { 100, 24 },
        create<TarnCheckBox>);
    add("TarnLabel", "tarnhovercontrols.h", "Label that signals mouse hover", { 100, 24 },
        create<TarnLabel>);
    add("TarnPushButton", "tarnhovercontrols.h", "Push button that signals mouse hover", { 80, 30 },
        create<TarnPushButton>);
    add("AutoHideScrollListView", "autohidescrollviews.h",
        "List view whose scroll bar shows only while hovered", { 200, 150 },
        create<AutoHideScrollListView>);
    add("AutoHideScrollTableView", "autohidescrollviews.h",
        "Table view whose scroll bar shows only while hovered", { 240, 150 },
        create<AutoHideScrollTableView>);
    add("AutoHideScrollListWidget", "autohidescrollviews.h",
        "List widget whose scroll bar shows only while hovered", { 200, 150 },
        create<AutoHideScrollListWidget>);
    add("AutoHideScrollTableWidget", "autohidescrollviews.h",
        "Table widget whose scroll bar shows only while hovered", { 240, 150 },
        create<AutoHideScrollTableWidget>);
    add("RotateAnimLabel", "rotateanimlabel.h", "Label that turns an image while it runs",
        { 32, 32 }, create<RotateAnimLabel>);
    add("ShortCutEdit", "shortcutedit.h", "Field that captures one keyboard shortcut", { 120, 32 },
        create<ShortCutEdit>);
}

QList<QDesignerCustomWidgetInterface *> TarnDesignerPlugin::customWidgets() const
{
    return m_widgets;
}
