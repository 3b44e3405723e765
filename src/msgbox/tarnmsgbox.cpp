// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnmsgbox.h"

#include "tarnlinkfocus_p.h"
#include "tarnreadingorder_p.h"
#include "tarnscale_p.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace {
constexpr int kBorderWidth = 1;
constexpr int kBodyMargin = 30;
constexpr int kButtonRowSideMargin = 30;
constexpr int kButtonRowBottomMargin = 30;
constexpr int kButtonSpacing = 20;
constexpr int kCheckboxSpacing = 10;
constexpr int kButtonMinimumWidth = 80;
constexpr int kIconTextMargin = 20;
constexpr int kMaximumWidth = 700;

template<typename BoxLayout>
BoxLayout *tightLayout(QWidget *parent = nullptr, int spacing = 0)
{
    auto *layout = new BoxLayout(parent);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    return layout;
}
} // namespace

TarnMsgBox::TarnMsgBox(const QString &title, const QString &text, QWidget *parent)
    : TarnBaseDialog(parent, title, kBorderWidth)
{
    initUIWithText(text);
}

TarnMsgBox::TarnMsgBox(const QString &frameIconPath, const QString &title, const QString &text,
                       QWidget *parent)
    : TarnBaseDialog(parent, title, kBorderWidth)
{
    setMaximumWidth(TarnUI::scaled(kMaximumWidth));
    if (!frameIconPath.isEmpty())
        setFrameIcon(frameIconPath, 0);
    initUIWithText(text);
}

void TarnMsgBox::initUIWithText(QString text)
{
    auto *body = new QWidget(m_contentWidget);
    body->setObjectName(QStringLiteral("msgbox-body"));
    auto *bodyLayout = new QHBoxLayout(body);
    const int margin = TarnUI::scaled(kBodyMargin);
    bodyLayout->setContentsMargins(margin, margin, margin, margin);
    bodyLayout->setSpacing(0);
    bodyLayout->addLayout(createIconLayout());
    bodyLayout->addWidget(createTextFrame(std::move(text)));

    m_buttonLayout = new QHBoxLayout;
    m_buttonLayout->setContentsMargins(TarnUI::scaled(kButtonRowSideMargin), 0,
                                       TarnUI::scaled(kButtonRowSideMargin),
                                       TarnUI::scaled(kButtonRowBottomMargin));
    m_buttonLayout->setSpacing(TarnUI::scaled(kButtonSpacing));

    auto *contentLayout = tightLayout<QVBoxLayout>(m_contentWidget);
    contentLayout->addWidget(body);
    contentLayout->addLayout(m_buttonLayout);
}

QLayout *TarnMsgBox::createIconLayout()
{
    m_messageIconLabel = new QLabel(m_contentWidget);
    m_messageIconLabel->setObjectName(QStringLiteral("msgbox-icon"));
    m_messageIconLabel->setFixedSize(0, 0);
    m_messageIconLabel->hide();
    auto *iconLayout = tightLayout<QHBoxLayout>();
    iconLayout->addWidget(m_messageIconLabel);
    return iconLayout;
}

QFrame *TarnMsgBox::createTextFrame(QString text)
{
    auto *textLabel = new QLabel(std::move(text), m_contentWidget);
    textLabel->setObjectName(QStringLiteral("TarnLabelText_Regular_12"));
    textLabel->setOpenExternalLinks(true);
    textLabel->setWordWrap(false);
    textLabel->setAlignment(Qt::AlignCenter);
    TarnLinkFocus::install(textLabel);

    m_checkboxLayout = tightLayout<QHBoxLayout>(nullptr, TarnUI::scaled(kCheckboxSpacing));
    m_secondaryTextLayout = tightLayout<QVBoxLayout>();

    // The frame gets its parent when the body layout takes it in.
    auto *textFrame = new QFrame;
    textFrame->setObjectName(QStringLiteral("msgbox-text-frame"));
    m_textLayout = tightLayout<QVBoxLayout>(textFrame);
    m_textLayout->addWidget(textLabel);
    m_textLayout->addLayout(m_secondaryTextLayout);
    m_textLayout->addLayout(m_checkboxLayout);
    m_textLayout->addStretch(0);
    m_textLayout->setAlignment(Qt::AlignCenter);
    return textFrame;
}

QPushButton *TarnMsgBox::createButton(const QString &text, bool green)
{
    auto *button = new QPushButton(text, m_contentWidget);
    button->setObjectName(green ? QStringLiteral("greenColorSmall")
                                : QStringLiteral("TarnSmallBtn"));
    button->setMinimumWidth(TarnUI::scaled(kButtonMinimumWidth));
    m_buttonLayout->addWidget(button, 0, Qt::AlignCenter);
    return button;
}

QPushButton *TarnMsgBox::addButton(const QString &text, bool green)
{
    QPushButton *button = createButton(text, green);
    connect(button, &QPushButton::clicked, this, [this, button] {
        m_clickedButton = button;
        close();
    });
    return button;
}

QPushButton *TarnMsgBox::addButtonSlot(const QString &text, std::function<void()> callback,
                                       bool green)
{
    QPushButton *button = createButton(text, green);
    connect(button, &QPushButton::clicked, this, [this, button, callback = std::move(callback)] {
        m_clickedButton = button;
        // An empty callback leaves the click recorded and nothing else.
        if (callback)
            callback();
    });
    return button;
}

QCheckBox *TarnMsgBox::addCheckbox(const QString &text, bool checked)
{
    auto *checkbox = new QCheckBox(text, this);
    checkbox->setObjectName(QStringLiteral("TarnChkbox"));
    checkbox->setChecked(checked);
    m_checkboxLayout->addWidget(checkbox, 0, m_textLayout->alignment());
    return checkbox;
}

QLabel *TarnMsgBox::addLabel(const QString &text, bool openExternalLinks)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("TarnLabelText_Regular_12"));
    label->setOpenExternalLinks(openExternalLinks);
    TarnLinkFocus::install(label);
    m_secondaryTextLayout->addWidget(label, 0, m_textLayout->alignment());
    // The check boxes show under every label, also under one added after them.
    QList<QWidget *> checkboxes;
    for (int i = 0; i < m_checkboxLayout->count(); ++i) {
        if (QWidget *checkbox = m_checkboxLayout->itemAt(i)->widget())
            checkboxes.append(checkbox);
    }
    TarnUI::setReadingOrder(checkboxes);
    return label;
}

void TarnMsgBox::addBtnStretch(int stretch)
{
    m_buttonLayout->addStretch(stretch);
}

void TarnMsgBox::addChkboxStretch(int stretch)
{
    m_checkboxLayout->addStretch(stretch);
}

void TarnMsgBox::addSecondaryTextSpacing(int size)
{
    m_secondaryTextLayout->addSpacing(size);
}

void TarnMsgBox::setMessageIcon(QString path)
{
    if (path.isEmpty()) {
        m_messageIconLabel->setFixedSize(0, 0);
        m_messageIconLabel->hide();
        m_textLayout->setAlignment(Qt::AlignCenter);
        m_textLayout->setContentsMargins(0, 0, 0, 0);
    } else {
        // Shown at its own size: the caller picks the image for the current scale.
        const QPixmap pixmap(path);
        m_messageIconLabel->setFixedSize(pixmap.size());
        m_messageIconLabel->setPixmap(pixmap);
        m_messageIconLabel->show();
        m_textLayout->setAlignment(Qt::AlignLeft);
        const int margin = TarnUI::scaled(kIconTextMargin);
        m_textLayout->setContentsMargins(margin, 0, margin, 0);
    }
    update();
}

QPushButton *TarnMsgBox::clickedButton() const
{
    return m_clickedButton;
}
