// SPDX-License-Identifier: LGPL-2.1-or-later
#include "peerpage.h"

#include "shortcutsmanager.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>

namespace {
const struct
{
    int index;
    const char *label;
} rows[] = { { 0, "老板键" },   { 2, "放大屏幕" }, { 4, "切换全屏" }, { 6, "摇一摇" },
             { 8, "返回" },     { 10, "菜单" },    { 1, "映射开关" }, { 3, "缩小屏幕" },
             { 5, "返回桌面" }, { 7, "截图" },     { 9, "最近应用" } };
constexpr int leftRows = 6;
constexpr int rightRows = 5;
} // namespace

PeerPage::PeerPage(QWidget *parent)
    : QFrame(parent)
{
    QVector<QGridLayout *> rowLayouts;
    for (const auto &row : rows)
        rowLayouts.append(buildRow(row.index, row.label));
    m_edits.first()->setObjectName(QStringLiteral("bosskey"));

    auto *restore = new QPushButton(QStringLiteral("恢复默认"));
    restore->setMinimumWidth(100);
    restore->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    auto *save = new QPushButton(QStringLiteral("保存"));
    save->setObjectName(QStringLiteral("greenColor"));
    auto *cancel = new QPushButton(QStringLiteral("取消"));
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("TarnButtonsWidget"));
    bar->setFixedHeight(60);

    QGridLayout *left = buildColumn(rowLayouts, 0, leftRows);
    QGridLayout *right = buildColumn(rowLayouts, leftRows, rightRows);
    right->addWidget(restore, rightRows, 1, Qt::AlignRight | Qt::AlignVCenter);
    right->setRowMinimumHeight(rightRows, 30);

    auto *columns = new QGridLayout;
    columns->setContentsMargins(60, 30, 60, 30);
    columns->setHorizontalSpacing(60);
    columns->setColumnStretch(0, 1);
    columns->setColumnStretch(1, 1);
    columns->addLayout(left, 0, 0);
    columns->addLayout(right, 0, 1);

    auto *barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(0, 0, 0, 0);
    barLayout->setSpacing(20);
    barLayout->addStretch(1);
    barLayout->addWidget(save);
    barLayout->addWidget(cancel);
    barLayout->addStretch(1);

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(15);
    page->addLayout(columns);
    page->addStretch(1);
    page->addWidget(bar);
}

void PeerPage::load()
{
    ShortCutsManager *manager = ShortCutsManager::_instance;
    manager->loadShortCutsKey();
    for (int row = 0; row < m_edits.size(); ++row) {
        const ShortCutsKey entry =
            manager->getShortCutsKey(ShortCutsManager::ShortCutIndex(rows[row].index));
        m_boxes[row]->setChecked(entry.enabled);
        m_edits[row]->setText(QString(entry.key).replace(QLatin1Char('+'), QStringLiteral(" + ")));
    }
}

void PeerPage::save()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QSettings settings(folder + QLatin1String("/tarn.ini"), QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("ShortCuts"));
    for (int row = 0; row < m_edits.size(); ++row) {
        const ShortCutsKey entry = ShortCutsManager::_instance->getShortCutsKey(
            ShortCutsManager::ShortCutIndex(rows[row].index));
        settings.setValue(entry.configName + QLatin1String("/Enabled"), m_boxes[row]->isChecked());
        settings.setValue(entry.configName + QLatin1String("/Key"),
                          QString(m_edits[row]->text()).remove(QLatin1Char(' ')));
    }
}

QGridLayout *PeerPage::buildRow(int index, const char *label)
{
    auto *box = new QCheckBox;
    box->setObjectName(QStringLiteral("TarnChkbox"));
    box->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_boxes.append(box);

    auto *name = new QLabel(QString::fromUtf8(label));
    name->setObjectName(QStringLiteral("TarnLabelText_Regular_12"));
    name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    name->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);

    auto *edit = new QLineEdit(this);
    edit->setStyleSheet(QStringLiteral("padding-left: 5px;\n height: 30px"));
    edit->setReadOnly(true);
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    edit->setFixedHeight(30);
    edit->setMinimumWidth(100);
    edit->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
    edit->setProperty("ShortCutIndex", index);
    m_edits.append(edit);

    auto *row = new QGridLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    row->addWidget(box, 0, 0);
    row->addWidget(name, 0, 1, Qt::AlignLeft | Qt::AlignVCenter);
    return row;
}

QGridLayout *PeerPage::buildColumn(const QVector<QGridLayout *> &rowLayouts, int first, int count)
{
    auto *grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(20);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 0);
    grid->setVerticalSpacing(30);
    for (int row = 0; row < count; ++row) {
        grid->addLayout(rowLayouts[first + row], row, 0, Qt::AlignLeft);
        grid->addWidget(m_edits[first + row], row, 1, Qt::AlignLeft);
        grid->setRowMinimumHeight(row, 30);
    }
    return grid;
}
