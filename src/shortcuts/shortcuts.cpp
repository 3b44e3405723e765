// SPDX-License-Identifier: LGPL-2.1-or-later
#include "shortcuts.h"

#include "keytext.h"
#include "shortcutedit.h"
#include "shortcutsmanager_p.h"
#include "tarninterface.h"
#include "tarnreadingorder_p.h"
#include "tarnscale_p.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <iterator>

using TarnUI::scaled;
using TarnUI::shortCutsManager;

namespace {
using Index = ShortCutsManager::ShortCutIndex;

struct Action
{
    Index index;
    const char *label;
};

// Construction order, which is also the order every load, restore and save walks: the
// left column from the top, then the right column from the top.
const Action rowActions[] = {
    { ShortCutsManager::BossKey, QT_TRANSLATE_NOOP("ShortCuts", "老板键") },
    { ShortCutsManager::ZoomIn, QT_TRANSLATE_NOOP("ShortCuts", "放大屏幕") },
    { ShortCutsManager::FullScreen, QT_TRANSLATE_NOOP("ShortCuts", "切换全屏") },
    { ShortCutsManager::Shake, QT_TRANSLATE_NOOP("ShortCuts", "摇一摇") },
    { ShortCutsManager::Back, QT_TRANSLATE_NOOP("ShortCuts", "返回") },
    { ShortCutsManager::Menu, QT_TRANSLATE_NOOP("ShortCuts", "菜单") },
    { ShortCutsManager::KeyMap, QT_TRANSLATE_NOOP("ShortCuts", "映射开关") },
    { ShortCutsManager::ZoomOut, QT_TRANSLATE_NOOP("ShortCuts", "缩小屏幕") },
    { ShortCutsManager::HomeKey, QT_TRANSLATE_NOOP("ShortCuts", "返回桌面") },
    { ShortCutsManager::Screenshot, QT_TRANSLATE_NOOP("ShortCuts", "截图") },
    { ShortCutsManager::RecentApps, QT_TRANSLATE_NOOP("ShortCuts", "最近应用") },
};
constexpr int leftColumnRows = 6;
constexpr int rightColumnRows = int(std::size(rowActions)) - leftColumnRows;

// The settings of the older format that the host interface still offers, in the order
// they are carried over.
struct LegacySetting
{
    Index index;
    const char *(TarnInterface::*keyText)();
    bool (TarnInterface::*enabled)();
};

const LegacySetting legacySettings[] = {
    { ShortCutsManager::BossKey, &TarnInterface::getShortCutsBossKeyEdit,
      &TarnInterface::getShortCutsBossKey },
    { ShortCutsManager::KeyMap, &TarnInterface::getShortCutsKeyMapEdit,
      &TarnInterface::getShortCutsKeyMap },
    { ShortCutsManager::ZoomIn, &TarnInterface::getShortCutsZoomInEdit,
      &TarnInterface::getShortCutsZoomIn },
    { ShortCutsManager::ZoomOut, &TarnInterface::getShortCutsZoomOutEdit,
      &TarnInterface::getShortCutsZoomOut },
    { ShortCutsManager::HomeKey, &TarnInterface::getShortCutsHomeKeyEdit,
      &TarnInterface::getShortCutsHomeKey },
    { ShortCutsManager::Shake, &TarnInterface::getShortCutsShakeEdit,
      &TarnInterface::getShortCutsShake },
    { ShortCutsManager::Screenshot, &TarnInterface::getShortCutsScreenshotEdit,
      &TarnInterface::getShortCutsScreenshot },
};

// Actions the older format never had: they start switched on with their default key.
const Index actionsWithoutLegacy[] = { ShortCutsManager::FullScreen, ShortCutsManager::Back,
                                       ShortCutsManager::RecentApps, ShortCutsManager::Menu };

bool isKnown(const ShortCutsKey &entry)
{
    return !entry.name.isEmpty() && !entry.configName.isEmpty();
}
} // namespace

ShortCuts::ShortCuts(QWidget *parent, TarnInterface *iface)
    : QFrame(parent)
    , m_parentWindow(parent)
    , m_interface(iface)
{
    QVector<QGridLayout *> rowLayouts;
    for (const Action &action : rowActions) {
        const bool boss = action.index == ShortCutsManager::BossKey;
        rowLayouts.append(
            buildRow(action.index, tr(action.label), boss ? QStringLiteral("bosskey") : QString()));
    }
    buildButtons();

    QGridLayout *left = buildColumn(rowLayouts, 0, leftColumnRows);
    QGridLayout *right = buildColumn(rowLayouts, leftColumnRows, rightColumnRows);
    const int restoreRow = rightColumnRows;
    right->addWidget(m_restoreButton, restoreRow, 1, Qt::AlignRight | Qt::AlignVCenter);
    right->setRowMinimumHeight(restoreRow, 30); // the one size that does not follow the scale

    auto *columns = new QGridLayout;
    columns->setContentsMargins(scaled(60), scaled(30), scaled(60), scaled(30));
    columns->setHorizontalSpacing(scaled(60));
    columns->setColumnStretch(0, 1);
    columns->setColumnStretch(1, 1);
    columns->addLayout(left, 0, 0);
    columns->addLayout(right, 0, 1);

    auto *barLayout = new QHBoxLayout(m_buttonBar);
    barLayout->setContentsMargins(0, 0, 0, 0);
    barLayout->setSpacing(scaled(20));
    barLayout->addStretch(1);
    barLayout->addWidget(m_saveButton);
    barLayout->addWidget(m_cancelButton);
    barLayout->addStretch(1);

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(scaled(15));
    page->addLayout(columns);
    page->addStretch(1);
    page->addWidget(m_buttonBar);
    // Row by row, left column first, as the page reads; the edits were made before the rest.
    QList<QWidget *> readingOrder;
    for (const Action &action : rowActions)
        readingOrder << m_checkBoxes[action.index] << m_labels[action.index]
                     << m_edits[action.index];
    TarnUI::setReadingOrder(readingOrder << m_restoreButton << m_buttonBar);

    connect(m_restoreButton, &QPushButton::clicked, this, &ShortCuts::revertShortCuts);
    connect(m_saveButton, &QPushButton::clicked, this, &ShortCuts::saveShortCuts);
    connect(m_cancelButton, &QPushButton::clicked, this, [this] { closeParentWindow(); });
    connect(this, &ShortCuts::updateShortCutKey, shortCutsManager(),
            &ShortCutsManager::updateShortCutKey);
}

ShortCuts::~ShortCuts() = default;

// The check box and the label form the row layout; the edit goes beside it into the
// column grid.
QGridLayout *ShortCuts::buildRow(Index index, const QString &label, const QString &editName)
{
    auto *box = new QCheckBox;
    box->setObjectName(QStringLiteral("TarnChkbox"));
    // The box has no text of its own; a screen reader names it after the label beside it.
    box->setAccessibleName(tr("启用%1").arg(label));
    box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_checkBoxes[index] = box;

    auto *name = new QLabel(label);
    name->setObjectName(QStringLiteral("TarnLabelText_Regular_12"));
    name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    name->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
    m_labels[index] = name;

    auto *edit = new ShortCutEdit(this, QString());
    if (!editName.isEmpty())
        edit->setObjectName(editName);
    edit->setFixedHeight(scaled(30));
    edit->setMinimumWidth(scaled(100));
    edit->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
    edit->setIndex(index);
    edit->setAccessibleName(label);
    m_edits[index] = edit;

    auto *row = new QGridLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(scaled(6));
    row->addWidget(box, 0, 0);
    row->addWidget(name, 0, 1, Qt::AlignLeft | Qt::AlignVCenter);
    m_rows.append({ box, edit });
    return row;
}

// Rows first to first + count - 1 of the row list, one per grid row.
QGridLayout *ShortCuts::buildColumn(const QVector<QGridLayout *> &rowLayouts, int first, int count)
{
    auto *grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(scaled(20));
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 0);
    grid->setVerticalSpacing(scaled(30));
    for (int row = 0; row < count; ++row) {
        grid->addLayout(rowLayouts[first + row], row, 0, Qt::AlignLeft);
        grid->addWidget(m_rows[first + row].second, row, 1, Qt::AlignLeft);
        grid->setRowMinimumHeight(row, scaled(30));
    }
    return grid;
}

void ShortCuts::buildButtons()
{
    m_restoreButton = new QPushButton(tr("恢复默认"));
    m_restoreButton->setMinimumWidth(scaled(100));
    m_restoreButton->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);

    m_saveButton = new QPushButton(tr("保存"));
    m_saveButton->setObjectName(QStringLiteral("greenColor"));

    m_cancelButton = new QPushButton(tr("取消"));

    m_buttonBar = new QWidget(this);
    m_buttonBar->setObjectName(QStringLiteral("TarnButtonsWidget"));
    m_buttonBar->setFixedHeight(scaled(60));
}

// A page built without a window to live in has nothing to close.
void ShortCuts::closeParentWindow()
{
    if (m_parentWindow)
        m_parentWindow->close();
}

void ShortCuts::loadShortCuts()
{
    loadShortCutsSettings();
    for (const Row &row : qAsConst(m_rows)) {
        ShortCutEdit *edit = row.second;
        const ShortCutsKey entry = shortCutsManager()->getShortCutsKey(Index(edit->getIndex()));
        if (!isKnown(entry))
            continue;
        row.first->setChecked(entry.enabled);
        edit->setText(edit->complementText(entry.key));
        edit->setPreviousText(edit->text());
    }
}

void ShortCuts::loadShortCutsSettings()
{
    if (!m_interface)
        qFatal("ShortCuts::loadShortCuts: the page was given a null TarnInterface; the host passes "
               "its TarnInterface (TarnInterface::mInstance) to the ShortCuts constructor");
    shortCutsManager()->loadShortCutsKey();
    for (const LegacySetting &legacy : legacySettings) {
        const QString key = QString::fromUtf8((m_interface->*legacy.keyText)());
        const bool enabled = (m_interface->*legacy.enabled)();
        compatRestoreConfig(legacy.index, enabled, key);
    }
    for (Index index : actionsWithoutLegacy)
        compatRestoreConfig(index, true, shortCutsManager()->getShortCutsKey(index).defaultKey);
}

// What the manager's own configuration already holds wins over the older settings; an
// empty older key text falls back to the manager's key, then to the default.
void ShortCuts::compatRestoreConfig(Index index, bool enabled, const QString &key)
{
    ShortCutsManager *manager = shortCutsManager();
    const ShortCutsKey entry = manager->getShortCutsKey(index);
    if (!isKnown(entry) || (entry.enabledStored && entry.keyStored))
        return;
    QString chosenKey = entry.key.isEmpty() ? entry.defaultKey : entry.key;
    if (!entry.keyStored && !key.isEmpty())
        chosenKey = key;
    manager->updateConfig(index, entry.enabledStored ? entry.enabled : enabled, chosenKey);
    manager->saveConfig(index);
}

// Shows the defaults only; they are written if the user saves.
void ShortCuts::revertShortCuts()
{
    for (const Row &row : qAsConst(m_rows)) {
        row.first->setChecked(true);
        const Index index = Index(row.second->getIndex());
        row.second->setText(shortCutsManager()->getShortCutsKey(index).defaultKey);
    }
}

// Writes every row as shown, changed or not; the manager applies the keys before the
// window closes, as the signal is delivered directly.
void ShortCuts::saveShortCuts()
{
    ShortCutsManager *manager = shortCutsManager();
    for (const Row &row : qAsConst(m_rows)) {
        manager->updateConfig(Index(row.second->getIndex()), row.first->isChecked(),
                              adjustText(row.second->text()));
    }
    manager->saveAllConfigs();
    emit updateShortCutKey();
    closeParentWindow();
}

QString ShortCuts::adjustText(const QString &text) const
{
    return TarnUI::compactKeyText(text);
}
