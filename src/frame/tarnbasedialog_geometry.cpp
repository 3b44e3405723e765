// SPDX-License-Identifier: LGPL-2.1-or-later
// Moving, resizing, maximising and centring of the frameless dialog.
#include "tarnbasedialog.h"

#include "tarnframe_p.h"
#include "tarnlib.h"
#include "tarnscreens_p.h"
#include "tarntitlewidget.h"
#include "tarnwindowsystem_p.h"

#include <QBoxLayout>
#include <QMouseEvent>
#include <QScreen>
#include <QShowEvent>
#include <QToolButton>

namespace {
// Hit codes, numbered as the Windows ones.
enum HitCode {
    NoEdge = 0,
    Left = 10,
    Right = 11,
    Top = 12,
    TopLeft = 13,
    TopRight = 14,
    Bottom = 15,
    BottomLeft = 16,
    BottomRight = 17,
};

// Width of the edge zones in pixels, not scaled.
constexpr int EdgeZone = 2;

// The height of the title bar, unrounded: the limit for a double click and for the
// minimum height.
double titleBarHeight()
{
    return 30 * gScale;
}

bool inRange(long value, long first, long last)
{
    return value >= first && value <= last;
}

// The sides of the window that a hit code drags.
struct Sides
{
    bool left;
    bool right;
    bool top;
    bool bottom;
};

Sides sidesOf(int code)
{
    return { code == Left || code == TopLeft || code == BottomLeft,
             code == Right || code == TopRight || code == BottomRight,
             code == Top || code == TopLeft || code == TopRight,
             code == Bottom || code == BottomLeft || code == BottomRight };
}

Qt::Edges edgesOf(int code)
{
    const Sides sides = sidesOf(code);
    Qt::Edges edges;
    edges.setFlag(Qt::LeftEdge, sides.left);
    edges.setFlag(Qt::RightEdge, sides.right);
    edges.setFlag(Qt::TopEdge, sides.top);
    edges.setFlag(Qt::BottomEdge, sides.bottom);
    return edges;
}

// Where a window goes when centred over reference (a window), or on the screen without one.
// Frameless, a window's geometry is the area it covers on the screen.
struct Placement
{
    QPoint centre;
    QRect available;

    // The top-left corner for a window of the given size: centred if it fits into the
    // available area (edges included), else at that area's top-left corner.
    QPoint topLeftFor(const QSize &size) const
    {
        const QPoint topLeft(centre.x() - size.width() / 2, centre.y() - size.height() / 2);
        return available.contains(QRect(topLeft, size)) ? topLeft : available.topLeft();
    }
};

Placement placementOver(const QWidget *reference)
{
    const QPoint point = reference ? reference->geometry().center() : QPoint(1, 1);
    const QRect available = TarnUI::screenAt(point)->availableGeometry();
    return { reference ? point : available.center(), available };
}

const QDialog *referenceDialog(const QWidget *widget)
{
    for (const QObject *object = widget; object; object = object->parent()) {
        if (const auto *dialog = qobject_cast<const QDialog *>(object))
            return dialog;
    }
    return nullptr;
}
} // namespace

void TarnBaseDialog::setEnableDirection(QList<int> directions)
{
    m_enabledDirections = std::move(directions);
}

int TarnBaseDialog::winHitTest(QMouseEvent *event) const
{
    const QPoint pos = event->pos();
    if (!m_resizeEnabled || m_fullScreen)
        return NoEdge;
    const bool left = inRange(pos.x(), 0, EdgeZone - 1);
    const bool right = inRange(pos.x(), width() - EdgeZone, width() - 1);
    const bool top = inRange(pos.y(), 0, EdgeZone - 1);
    const bool bottom = inRange(pos.y(), height() - EdgeZone, height() - 1);
    // The child search walks the widget tree: only a position in a zone needs it.
    if (!(left || right || top || bottom) || childAt(pos))
        return NoEdge;
    // Corners come last, so a disabled corner falls back to the later of its two edges.
    const struct
    {
        bool hit;
        int code;
    } zones[] = {
        { left, Left },
        { right, Right },
        { top, Top },
        { bottom, Bottom },
        { top && left, TopLeft },
        { top && right, TopRight },
        { bottom && left, BottomLeft },
        { bottom && right, BottomRight },
    };
    int code = NoEdge;
    for (const auto &zone : zones) {
        if (zone.hit && m_enabledDirections.contains(zone.code))
            code = zone.code;
    }
    return code;
}

void TarnBaseDialog::setFrameCursor(long code)
{
    static const Qt::CursorShape shapes[] = {
        Qt::SizeHorCursor,   Qt::SizeHorCursor, Qt::SizeVerCursor,   Qt::SizeFDiagCursor,
        Qt::SizeBDiagCursor, Qt::SizeVerCursor, Qt::SizeBDiagCursor, Qt::SizeFDiagCursor,
    };
    if (!m_resizeEnabled) {
        TarnUI::setCursorShape(this, Qt::ArrowCursor);
    } else if (inRange(code, Left, BottomRight)) {
        TarnUI::setCursorShape(this, shapes[code - Left]);
    } else if (m_direction == NoEdge) {
        // During an edge drag the cursor keeps the dragged edge's shape.
        TarnUI::setCursorShape(this, Qt::ArrowCursor);
    }
}

QRect TarnBaseDialog::caculateWindowRect(int dx, int dy, int code, const QRect &start) const
{
    // 64-bit arithmetic: a travel or a start rectangle at the ends of the int range must
    // not overflow (boundedRect() makes the result representable).
    const Sides sides = sidesOf(code);
    const qint64 startWidth = qint64(start.right()) - start.left();
    const qint64 startHeight = qint64(start.bottom()) - start.top();
    qint64 width = 0;
    qint64 height = 0;
    if (inRange(code, Left, BottomRight)) {
        // A dragged axis grows by the pointer's outward travel; the other keeps its size.
        width = sides.left ? startWidth - dx + 2
            : sides.right  ? startWidth + dx + 2
                           : startWidth + 1;
        height = sides.top ? startHeight - dy + 2
            : sides.bottom ? startHeight + dy + 2
                           : startHeight + 1;
    }
    const qint64 margins = 2 * qint64(m_borderWidth);
    const QSize minimum = minimumSize();
    width = std::max(width, minimum.width() - margins + 4);
    const double title = titleBarHeight();
    const double minimumHeight =
        title + (static_cast<qint64>((minimum.height() - margins) - title) + 4);
    height = std::max(height, static_cast<qint64>(minimumHeight));
    width = TarnUI::boundedSize(width);
    height = TarnUI::boundedSize(height);
    if (!inRange(code, Left, BottomRight))
        return TarnUI::boundedRect(0, 0, width, height);
    // The edge opposite the dragged one stays where it was.
    const qint64 x = sides.left ? start.right() - width + 1 : start.left();
    const qint64 y = sides.top ? start.bottom() - height + 1 : start.top();
    return TarnUI::boundedRect(x, y, width, height);
}

void TarnBaseDialog::mousePressEvent(QMouseEvent *event)
{
    m_pressPos = event->pos();
    const bool left = event->button() == Qt::LeftButton;
    if (!m_resizeEnabled) {
        // Without resizing only the frame and the title bar drag the window.
        if (left && event->type() == QEvent::MouseButtonPress
            && !m_contentWidget->geometry().contains(m_pressPos))
            m_leftPressed = true;
        return;
    }
    m_contentWidget->setFocus(Qt::OtherFocusReason);
    if (!left)
        return;
    if (event->type() == QEvent::MouseButtonPress) {
        m_leftPressed = true;
        m_pressGlobalPos = TarnUI::globalPos(event);
        m_startGeometry = geometry();
        const int code = winHitTest(event);
        if (code == NoEdge)
            return;
        m_direction = code;
        // Where the window cannot place itself, only the compositor can move a left or top edge.
        if (!m_maximized && TarnUI::startSystemResize(this, edgesOf(code)))
            endDrag();
    } else if (event->type() == QEvent::MouseButtonDblClick && m_pressPos.y() <= titleBarHeight()) {
        slotShowMaxRestore();
    }
}

void TarnBaseDialog::mouseMoveEvent(QMouseEvent *event)
{
    setFrameCursor(winHitTest(event));
    // Qt hands a release to the widget that had the press; when that widget was hidden in
    // between (the title bar on entering full screen), the release never comes here.
    if (!(event->buttons() & Qt::LeftButton))
        endDrag();
    if (!m_leftPressed || m_maximized || m_fullScreen)
        return;
    if (m_direction == NoEdge && m_movable) {
        if (TarnUI::startSystemMove(this))
            endDrag();
        else
            move(TarnUI::globalPos(event) - m_pressPos);
    } else if (m_resizeEnabled && m_direction != NoEdge) {
        // A window that may not move ignores a drag that grabbed no edge.
        const QPoint travel = TarnUI::globalPos(event) - m_pressGlobalPos;
        applyDrag(m_direction,
                  caculateWindowRect(travel.x(), travel.y(), m_direction, m_startGeometry));
    }
}

void TarnBaseDialog::mouseReleaseEvent(QMouseEvent *)
{
    endDrag();
}

void TarnBaseDialog::endDrag()
{
    m_leftPressed = false;
    m_direction = NoEdge;
}

// A drag the compositor took leaves the start geometry null, so that the title bar's moves,
// which may still report the left button held once the compositor lets go, resize nothing.
void TarnBaseDialog::beginTitleDrag()
{
    m_startGeometry = TarnUI::startSystemResize(this, Qt::TopEdge) ? QRect() : geometry();
}

void TarnBaseDialog::dragTopEdge(int hitScaleType, int widthChange, int heightChange)
{
    if (hitScaleType == Top && !m_startGeometry.isNull())
        applyDrag(Top, caculateWindowRect(widthChange, heightChange, Top, m_startGeometry));
}

void TarnBaseDialog::applyDrag(int code, const QRect &rect)
{
    const Sides sides = sidesOf(code);
    setGeometry(TarnUI::keepFixedEdges(rect, minimumSize(), maximumSize(), sides.left, sides.top));
}

void TarnBaseDialog::slotShowSmall()
{
    showMinimized();
}

void TarnBaseDialog::slotShowMaxRestore()
{
    if (!m_resizeEnabled || !m_maximizeEnabled)
        return;
    const bool maximize = !m_maximized;
    if (maximize)
        showMaximized();
    else
        showNormal();
    showMaximizedLook(maximize);
}

void TarnBaseDialog::showMaximizedLook(bool maximized)
{
    m_maximizeButton->setVisible(!maximized);
    m_restoreButton->setVisible(maximized);
    m_maximized = maximized;
}

// A compositor may refuse a maximise or restore, or change the state itself (its own key
// bindings): the flag and the buttons follow the state the window really has.
void TarnBaseDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && m_maximizeEnabled && !m_fullScreen
        && TarnUI::compositorPlacesWindows())
        showMaximizedLook(windowState().testFlag(Qt::WindowMaximized));
}

void TarnBaseDialog::setShowNormal()
{
    if (m_fullScreen) {
        m_mainLayout->setContentsMargins(m_borderWidth, m_borderWidth, m_borderWidth,
                                         m_borderWidth);
        m_titleWidget->show();
        m_fullScreen = false;
        m_maximized = false;
        m_maximizeButton->show();
        m_restoreButton->hide();
    }
    showNormal();
}

void TarnBaseDialog::center(QWidget *widget)
{
    const Placement placement = placementOver(referenceDialog(widget));
    showNormal();
    setFocus(Qt::OtherFocusReason);
    // The compositor places the window: over its parent for a dialog with one.
    if (!TarnUI::compositorPlacesWindows())
        move(placement.topLeftFor(size()));
}

// QDialog::showEvent() places a dialog that nobody moved by its parent's centre less a
// window frame it guesses (10 x 40 when no visible window has one), which puts a frameless
// dialog off-centre. A dialog with a parent is placed again without that frame, and, as
// QDialog does, the place is not kept as one the host chose, so the next show centres it
// afresh. One without a parent keeps Qt's place on the screen: center() is its host's call.
void TarnBaseDialog::showEvent(QShowEvent *event)
{
    const bool placedByHost = event->spontaneous() || testAttribute(Qt::WA_Moved)
        || (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
    QDialog::showEvent(event);
    if (placedByHost || !parentWidget() || TarnUI::compositorPlacesWindows())
        return;
    move(placementOver(parentWidget()->window()).topLeftFor(size()));
    setAttribute(Qt::WA_Moved, false);
}
