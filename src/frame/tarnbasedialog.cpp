// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnbasedialog.h"

#include "tarninterface.h"
#include "tarnreadingorder_p.h"
#include "tarnscale_p.h"
#include "tarntitlewidget.h"
#include "tarntopmost.h"

#include <QBoxLayout>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <QVariant>

namespace {
// The title-bar icon's label is exactly as wide as its pixmap, so it draws the pixmap from its own
// edge: padding handed down by an ancestor's selector-less sheet (the capture field's, to its
// conflict notice) would push the icon inwards and cut it.
class IconLabel : public QLabel
{
protected:
    void paintEvent(QPaintEvent *event) override
    {
        const QPixmap icon = pixmap(Qt::ReturnByValue);
        if (icon.isNull()) // a subclass may show something else in it
            return QLabel::paintEvent(event);
        QPainter painter(this);
        drawFrame(&painter);
        const QSize size = icon.size() / icon.devicePixelRatio();
        painter.drawPixmap(QStyle::alignedRect(layoutDirection(), alignment(), size, rect()), icon);
    }
};

// The icon-only window buttons name themselves for tool tips and screen readers.
QToolButton *createWindowButton(const char *objectName, const QString &text)
{
    auto *button = new QToolButton;
    button->setObjectName(QLatin1String(objectName));
    button->setAttribute(Qt::WA_MouseTracking, true);
    button->setToolTip(text);
    button->setAccessibleName(text);
    return button;
}
} // namespace

TarnBaseDialog::TarnBaseDialog(QWidget *parent, const QString &title, int borderWidth)
    : QDialog(parent)
    , m_borderWidth(borderWidth)
    , m_enabledDirections({ 10, 11, 12, 15, 13, 14, 16, 17 })
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_MouseTracking, true);

    m_iconLabel = new IconLabel;
    m_iconLabel->setFixedHeight(TarnUI::scaled(20));

    m_titleLabel = new QLabel;
    m_titleLabel->setObjectName(QStringLiteral("titleLabel"));
    m_titleLabel->setMinimumWidth(1);
    m_titleLabel->setText(title);
    // The desktop shows no title bar of ours: task bars, switchers and screen readers read this.
    setWindowTitle(title);
    // Qt drops a move with no button held at a child that does not track the mouse; through
    // the labels the title bar and the dialog see every move, and so end a drag whose release
    // was lost.
    for (QLabel *label : { m_iconLabel, m_titleLabel })
        label->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto *titleLayout = new QHBoxLayout;
    titleLayout->setObjectName(QStringLiteral("title-layout"));
    titleLayout->setContentsMargins(0, 0, 0, 0);
    titleLayout->setSpacing(0);
    titleLayout->addSpacing(TarnUI::scaled(5));
    titleLayout->addWidget(m_iconLabel, 0, Qt::AlignCenter);
    titleLayout->addSpacing(TarnUI::scaled(3));
    titleLayout->addWidget(m_titleLabel, 0, Qt::AlignCenter);
    titleLayout->addStretch(1);
    m_titleItemsLayout = new QHBoxLayout;
    m_titleItemsLayout->setContentsMargins(0, 0, 0, 0);
    m_titleItemsLayout->setSpacing(0);
    titleLayout->addLayout(m_titleItemsLayout, 0);

    // Each window button joins the title items as soon as it is made. The buttons have no
    // parent yet, so only hide() may be called: show() would make a window of one.
    const auto addWindowButton = [this](const char *name, const QString &text, auto slot,
                                        bool hidden) {
        QToolButton *button = createWindowButton(name, text);
        m_titleItems.append(button);
        connect(button, &QToolButton::clicked, this, slot);
        if (hidden)
            button->hide();
        return button;
    };
    m_minimizeButton =
        addWindowButton("minimize-button", tr("最小化"), &TarnBaseDialog::slotShowSmall, true);
    m_maximizeButton =
        addWindowButton("maximize-button", tr("最大化"), &TarnBaseDialog::slotShowMaxRestore, true);
    m_restoreButton =
        addWindowButton("maximize-button", tr("还原"), &TarnBaseDialog::slotShowMaxRestore, true);
    // It shares the maximise button's name: style sheets tell it apart by this property.
    m_restoreButton->setProperty("restore", true);
    m_closeButton = addWindowButton("close-button", tr("关闭"), &QDialog::close, false);
    layoutTitleItems();

    m_titleWidget = new TarnTitleWidget;
    m_titleWidget->setObjectName(QStringLiteral("frame-title-widget"));
    m_titleWidget->setAttribute(Qt::WA_MouseTracking, true);
    m_titleWidget->setLayout(titleLayout);
    m_titleWidget->setFixedHeight(TarnUI::scaled(30));

    m_contentWidget = new QWidget(this);
    m_contentWidget->setObjectName(QStringLiteral("frame-content-widget"));
    m_contentWidget->setAttribute(Qt::WA_MouseTracking, true);
    m_contentWidget->setFocusPolicy(Qt::StrongFocus);
    m_contentWidget->installEventFilter(this);

    m_mainLayout = new QVBoxLayout;
    m_mainLayout->setSpacing(0);
    m_mainLayout->setContentsMargins(m_borderWidth, m_borderWidth, m_borderWidth, m_borderWidth);
    m_mainLayout->addWidget(m_titleWidget);
    m_mainLayout->addWidget(m_contentWidget, 0);
    setLayout(m_mainLayout);
    // The content widget was made first; screen readers read the title bar before it.
    TarnUI::setReadingOrder({ m_titleWidget, m_contentWidget });

    connect(m_titleWidget, &TarnTitleWidget::sigDragBegin, this, &TarnBaseDialog::beginTitleDrag);
    connect(m_titleWidget, &TarnTitleWidget::sigUpdateDragGeometory, this,
            &TarnBaseDialog::dragTopEdge);
}

TarnBaseDialog::~TarnBaseDialog() = default;

void TarnBaseDialog::setTitle(const QString &text)
{
    m_titleLabel->setText(text);
    setWindowTitle(text);
}

void TarnBaseDialog::setFrameTitle(const QString &text)
{
    setTitle(text);
}

void TarnBaseDialog::setFrameIcon(const QString &path, int extraWidth)
{
    QPixmap pixmap;
    if (!path.isEmpty() && pixmap.load(path)) {
        pixmap = pixmap.scaledToHeight(m_iconLabel->height(), Qt::SmoothTransformation);
        m_iconLabel->setPixmap(pixmap);
    }
    const int width = pixmap.isNull() ? 6 : pixmap.width();
    m_iconLabel->setFixedWidth(width + extraWidth);
}

void TarnBaseDialog::layoutTitleItems()
{
    for (int i = m_titleItemsLayout->count() - 1; i >= 0; --i)
        delete m_titleItemsLayout->takeAt(i);
    for (QWidget *item : qAsConst(m_titleItems))
        m_titleItemsLayout->addWidget(item);
}

void TarnBaseDialog::insertItemAfterItem(QWidget *item, QWidget *after)
{
    if (!item)
        return;
    item->setParent(this);
    item->show();
    if (!after) {
        m_titleItems.prepend(item);
    } else {
        for (int i = 0; i < m_titleItems.size(); ++i) {
            // Step over the new entry, so that inserting an item behind itself ends.
            if (m_titleItems.at(i) == after)
                m_titleItems.insert(++i, item);
        }
    }
    layoutTitleItems();
}

void TarnBaseDialog::removeTitleItem(QWidget *item)
{
    if (!item)
        return;
    m_titleItems.removeOne(item);
    layoutTitleItems();
}

bool TarnBaseDialog::isStaysOnTop() const
{
    return isWndTopMost(reinterpret_cast<HWND>(winId()));
}

void TarnBaseDialog::setStaysOnTop(bool on)
{
    if (!TarnInterface::mInstance)
        qFatal("TarnBaseDialog::setStaysOnTop: TarnInterface::mInstance is null; the host sets "
               "it to its TarnInterface before it puts a window on top");
    const HWND handle = reinterpret_cast<HWND>(winId());
    // The emulator window follows the dialog.
    TarnInterface::mInstance->setVmStayOnTop(on);
    if (on)
        showWndTopMost(handle);
    else
        cancelTopMost(handle);
}

void TarnBaseDialog::setWindowResizeEnabled(bool on)
{
    m_resizeEnabled = on;
    m_titleWidget->setDraggable(on);
}

bool TarnBaseDialog::isFullSrc() const
{
    return m_fullScreen;
}

bool TarnBaseDialog::eventFilter(QObject *watched, QEvent *event)
{
    // The content widget hides the edges; leaving them for it puts the arrow back.
    if (watched == m_contentWidget && event->type() == QEvent::MouseMove)
        setFrameCursor(0);
    return QDialog::eventFilter(watched, event);
}

// The nested one-pixel rings together cover a band as wide as the border along each edge.
// Four filled strips give exactly those pixels; stroking each ring with a pen cost the
// raster engine over ten times as much on every repaint of a resize drag.
void TarnBaseDialog::paintEvent(QPaintEvent *event)
{
    const int band = isMaximized() ? 0 : m_borderWidth;
    if (band > 0) {
        const QColor colour(0, 16, 13, 255);
        const int w = width();
        const int h = height();
        QPainter painter(this);
        painter.fillRect(0, 0, w, band, colour);
        painter.fillRect(0, h - band, w, band, colour);
        painter.fillRect(0, band, band, h - 2 * band, colour);
        painter.fillRect(w - band, band, band, h - 2 * band, colour);
    }
    QDialog::paintEvent(event);
}
