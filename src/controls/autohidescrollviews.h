// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_AUTOHIDESCROLLVIEWS_H
#define TARNUILIB_AUTOHIDESCROLLVIEWS_H

#include "tarnenterevent.h"
#include "tarnuilib_export.h"

#include <QListView>
#include <QListWidget>
#include <QTableView>
#include <QTableWidget>

namespace TarnUI {

// The scroll-bar handling shared by the AutoHideScroll* views below: never a horizontal
// bar; a vertical bar, as needed, only from an enter until the next leave or hide. Only the
// bars are hidden, so wheel and keyboard scrolling keep working.
template<class View>
class AutoHideScrollBars : public View
{
public:
    explicit AutoHideScrollBars(QWidget *parent)
        : View(parent)
    {
        this->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        this->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }

protected:
    void enterEvent(TarnUI::EnterEvent *event) override
    {
        View::enterEvent(event);
        this->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    void leaveEvent(QEvent *event) override
    {
        View::leaveEvent(event);
        this->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    // A view hidden while hovered gets no leave; without this it would come back with a bar.
    void hideEvent(QHideEvent *event) override
    {
        View::hideEvent(event);
        this->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
};

} // namespace TarnUI

class TARNUILIB_EXPORT AutoHideScrollListView : public TarnUI::AutoHideScrollBars<QListView>
{
    Q_OBJECT
public:
    explicit AutoHideScrollListView(QWidget *parent = nullptr);
};

class TARNUILIB_EXPORT AutoHideScrollTableView : public TarnUI::AutoHideScrollBars<QTableView>
{
    Q_OBJECT
public:
    explicit AutoHideScrollTableView(QWidget *parent = nullptr);
};

class TARNUILIB_EXPORT AutoHideScrollListWidget : public TarnUI::AutoHideScrollBars<QListWidget>
{
    Q_OBJECT
public:
    explicit AutoHideScrollListWidget(QWidget *parent = nullptr);
};

class TARNUILIB_EXPORT AutoHideScrollTableWidget : public TarnUI::AutoHideScrollBars<QTableWidget>
{
    Q_OBJECT
public:
    explicit AutoHideScrollTableWidget(QWidget *parent = nullptr);
};

#endif
