// SPDX-License-Identifier: LGPL-2.1-or-later
#ifndef TARNUILIB_TARNBASEDIALOG_H
#define TARNUILIB_TARNBASEDIALOG_H

#include "tarnuilib_export.h"

#include <QDialog>
#include <QList>
#include <QPoint>
#include <QRect>

class QHBoxLayout;
class QLabel;
class QToolButton;
class QVBoxLayout;
class TarnTitleWidget;

// A frameless dialog with its own title bar (icon, title, title items ending in the window
// buttons) above a content widget that subclasses fill. It moves, resizes from its edges,
// maximises and centres itself without help from the window manager, and paints
// borderWidth one-pixel rings around its content. On Wayland, where a window can neither
// place itself nor learn where it is, it hands moves and edge drags to the compositor and
// leaves its placing to it.
class TARNUILIB_EXPORT TarnBaseDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TarnBaseDialog(QWidget *parent = nullptr, const QString &title = QString(),
                            int borderWidth = 0);
    ~TarnBaseDialog() override;

    void setTitle(const QString &text);
    void setFrameTitle(const QString &text);
    // Shows the image at path in the title bar, scaled to the icon's height; the icon label
    // is as wide as the image (6 without one) plus extraWidth.
    void setFrameIcon(const QString &path, int extraWidth = 0);

    // Rebuilds the right-hand part of the title row from the title items, in list order.
    void layoutTitleItems();
    // Adds item behind every entry equal to after, or at the front when after is null.
    void insertItemAfterItem(QWidget *item, QWidget *after);
    // Removes the first entry equal to item; the widget itself is left alone.
    void removeTitleItem(QWidget *item);

    bool isStaysOnTop() const;
    void setStaysOnTop(bool on);

    void setWindowResizeEnabled(bool on);
    bool isFullSrc() const;

    // The hit codes (10 to 17) for which the edges may be dragged.
    void setEnableDirection(QList<int> directions);
    // Shows the dialog centred over the dialog that is or holds widget, else on the screen;
    // on Wayland only shows it, where the compositor puts it.
    // A dialog to be run with exec() afterwards needs setModal(true) first: exec() does not
    // make an already visible dialog modal.
    void center(QWidget *widget);
    // The geometry after dragging edge code of start by (dx, dy). Each side is at least the
    // minimum size less twice the border width plus 4: 198 for a 200 minimum at border 3.
    QRect caculateWindowRect(int dx, int dy, int code, const QRect &start) const;
    // The hit code of the edge or corner under the event's position, 0 for none.
    int winHitTest(QMouseEvent *event) const;
    void setFrameCursor(long code);

public slots:
    void slotShowSmall();
    void slotShowMaxRestore();
    void setShowNormal();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    // Centres the dialog over its parent's window when it is shown without having been moved.
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

    QLabel *m_iconLabel = nullptr;
    QLabel *m_titleLabel = nullptr;
    TarnTitleWidget *m_titleWidget = nullptr;
    QWidget *m_contentWidget = nullptr;
    QList<QWidget *> m_titleItems;
    QToolButton *m_minimizeButton = nullptr;
    QToolButton *m_maximizeButton = nullptr;
    QToolButton *m_restoreButton = nullptr;
    QToolButton *m_closeButton = nullptr;
    QHBoxLayout *m_titleItemsLayout = nullptr;
    bool m_maximized = false;
    // Only a subclass sets these two; setShowNormal() clears the full-screen flag.
    bool m_maximizeEnabled = false;
    bool m_fullScreen = false;
    int m_borderWidth = 0;
    bool m_leftPressed = false;
    bool m_resizeEnabled = false;
    // A subclass clears it to keep the window in place; the dialog itself never does.
    bool m_movable = true;
    int m_direction = 0;
    QPoint m_pressPos;
    QPoint m_pressGlobalPos;
    QRect m_startGeometry;
    QList<int> m_enabledDirections;
    // Holds the title widget and the content widget; its margins are the border width.
    QVBoxLayout *m_mainLayout = nullptr;

private:
    void beginTitleDrag();
    void dragTopEdge(int hitScaleType, int widthChange, int heightChange);
    // Applies the geometry of a drag of edge code so that the opposite edge stays put.
    void applyDrag(int code, const QRect &rect);
    // Forgets the press: no move or resize follows the pointer until the next one.
    void endDrag();
    // Sets the maximised flag and shows the restore button for a maximised window, the
    // maximise button for any other.
    void showMaximizedLook(bool maximized);
};

#endif
