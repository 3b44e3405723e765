// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_TARNLINKFOCUS_P_H
#define TARNUILIB_TARNLINKFOCUS_P_H

#include <QObject>

class QLabel;

// Makes the links of a label reachable with Tab and opened with Enter. A label's links follow
// only the mouse by default; with keyboard access Qt selects a link only on a second Tab once
// the label has the focus, and Enter does nothing before that, so the first Tab selects it.
class TarnLinkFocus : public QObject
{
    Q_OBJECT
public:
    // Does nothing to a label without a link, which so stays out of the tab chain.
    static void install(QLabel *label);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit TarnLinkFocus(QLabel *label);
};

#endif
