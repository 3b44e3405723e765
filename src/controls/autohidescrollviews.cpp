// SPDX-License-Identifier: LGPL-2.1-or-later
#include "autohidescrollviews.h"

AutoHideScrollListView::AutoHideScrollListView(QWidget *parent)
    : AutoHideScrollBars(parent)
{
}

AutoHideScrollTableView::AutoHideScrollTableView(QWidget *parent)
    : AutoHideScrollBars(parent)
{
}

AutoHideScrollListWidget::AutoHideScrollListWidget(QWidget *parent)
    : AutoHideScrollBars(parent)
{
}

AutoHideScrollTableWidget::AutoHideScrollTableWidget(QWidget *parent)
    : AutoHideScrollBars(parent)
{
}
