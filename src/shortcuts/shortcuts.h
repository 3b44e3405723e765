// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_SHORTCUTS_H
#define TARNUILIB_SHORTCUTS_H

#include "shortcutsmanager.h"
#include "tarnuilib_export.h"

#include <QFrame>
#include <QPair>
#include <QVector>

#include <array>

class QCheckBox;
class QGridLayout;
class QLabel;
class QPushButton;
class ShortCutEdit;
class TarnInterface;

// The shortcut settings page: eleven actions in two columns, each with an enable box, a
// name and a capture field, a restore-defaults button and a Save / Cancel bar. The host
// puts it into one of its windows, passes that window as parent and calls loadShortCuts();
// Save and Cancel close that window.
class TARNUILIB_EXPORT ShortCuts : public QFrame
{
    Q_OBJECT

public:
    ShortCuts(QWidget *parent, TarnInterface *iface);
    ~ShortCuts() override;

    // Rereads the manager, carries older settings over and fills the rows.
    void loadShortCuts();
    void loadShortCutsSettings();
    // Carries one action's older enabled flag and key text over into the manager,
    // unless the manager's own configuration already holds both.
    void compatRestoreConfig(ShortCutsManager::ShortCutIndex index, bool enabled,
                             const QString &key);

Q_SIGNALS:
    // Emitted once Save has written and persisted every row.
    void updateShortCutKey();

private Q_SLOTS:
    void saveShortCuts();
    void revertShortCuts();
    // The compact form of a display key text: "Ctrl + Enter" gives "Ctrl+Return".
    QString adjustText(const QString &text) const;

private:
    using Row = QPair<QCheckBox *, ShortCutEdit *>;

    QGridLayout *buildRow(ShortCutsManager::ShortCutIndex index, const QString &label,
                          const QString &editName);
    QGridLayout *buildColumn(const QVector<QGridLayout *> &rowLayouts, int first, int count);
    void buildButtons();
    void closeParentWindow();

    QWidget *m_parentWindow;
    TarnInterface *m_interface;
    // Each action's widgets by ShortCutIndex; m_rows holds the boxes and edits in row order.
    std::array<QLabel *, ShortCutsManager::ActionCount> m_labels {};
    std::array<QCheckBox *, ShortCutsManager::ActionCount> m_checkBoxes {};
    std::array<ShortCutEdit *, ShortCutsManager::ActionCount> m_edits {};
    QPushButton *m_saveButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_restoreButton = nullptr;
    QWidget *m_buttonBar = nullptr;
    QVector<Row> m_rows;
};

#endif
