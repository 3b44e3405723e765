// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNBENCH_PEERPAGE_H
#define TARNBENCH_PEERPAGE_H

#include <QFrame>
#include <QVector>

class QCheckBox;
class QGridLayout;
class QLineEdit;

// The shortcut page's widget tree built from plain Qt classes, with the same texts,
// object names, sizes and style sheets; load() fills it from the shortcut manager
// without carrying older settings over.
class PeerPage : public QFrame
{
public:
    explicit PeerPage(QWidget *parent);

    void load();
    // Writes every row to the settings file through QSettings.
    void save();

private:
    QGridLayout *buildRow(int index, const char *label);
    QGridLayout *buildColumn(const QVector<QGridLayout *> &rows, int first, int count);

    QVector<QCheckBox *> m_boxes;
    QVector<QLineEdit *> m_edits;
};

#endif
