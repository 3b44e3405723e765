// SPDX-License-Identifier: LGPL-2.1-or-later
#include "gallerywindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

#include <cstdio>

namespace {
// Sizes are given at scale 1.0, like the library's own.
int scaled(int base)
{
    return static_cast<int>(base * gScale);
}

// A row of controls with room between them.
QHBoxLayout *controlRow()
{
    auto *row = new QHBoxLayout;
    row->setContentsMargins(scaled(6), scaled(6), scaled(6), scaled(6));
    row->setSpacing(scaled(12));
    return row;
}

QGroupBox *section(const QString &title, QLayout *layout)
{
    auto *box = new QGroupBox(title);
    box->setLayout(layout);
    return box;
}

// For a script that drives the gallery with real input, the gallery also writes its status
// lines to standard output and lists the controls of each window that gets the focus. Only
// when TARN_GALLERY_SCRIPTED is set, so that standard output otherwise carries nothing of it.
bool scripted()
{
    static const bool on = qEnvironmentVariableIsSet("TARN_GALLERY_SCRIPTED");
    return on;
}

void printLine(const QString &line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

// Every line the gallery reports goes through here.
void showLine(QLabel *status, const QString &text)
{
    status->setText(text);
    if (scripted())
        printLine(text);
}

// A hover control in row that tells status when the pointer enters or leaves it. The controls
// keep no hover state, and a combo box reports a leave whenever it is hidden (minimised, put
// on top, closed): only a change from the last report is shown.
template<typename Control>
Control *hoverControl(QHBoxLayout *row, QLabel *status)
{
    auto *control = new Control(nullptr);
    row->addWidget(control);
    const QString name = QLatin1String(control->metaObject()->className());
    QObject::connect(
        control, &Control::sigMouseHoverEnterChanged, status,
        [=, inside = false](bool entered) mutable {
            if (entered == inside)
                return;
            inside = entered;
            showLine(status, name + (entered ? QLatin1String(" entered") : QLatin1String(" left")));
        });
    return control;
}

// The message text is centred and the lines added beside an icon are not: all left-aligned.
void alignTextsLeft(TarnMsgBox *box)
{
    for (QLabel *label : box->findChildren<QLabel *>(QStringLiteral("TarnLabelText_Regular_12")))
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

QString caption(const QWidget *widget)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    return widget->property("ShortCutIndex").toString();
}

// For the window that gets the focus, a line with its class, size and minimum size (which a
// Wayland compositor keeps to itself), then one line per control: the window's class, the
// control's rectangle in window coordinates, class, object name, text.
void printControls(QWindow *focused)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!focused || window->windowHandle() != focused)
            continue;
        const QString windowClass = QLatin1String(window->metaObject()->className());
        printLine(QStringLiteral("window\t%1\t%2,%3\t%4,%5")
                      .arg(windowClass)
                      .arg(window->width())
                      .arg(window->height())
                      .arg(window->minimumWidth())
                      .arg(window->minimumHeight()));
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            if (!widget->isVisible()
                || !(widget->inherits("QAbstractButton") || widget->inherits("QLabel")
                     || widget->inherits("QLineEdit") || widget->inherits("QComboBox")))
                continue;
            const QRect r(widget->mapTo(window, QPoint(0, 0)), widget->size());
            printLine(QStringLiteral("widget\t%1\t%2,%3,%4,%5\t%6\t%7\t%8")
                          .arg(windowClass)
                          .arg(r.x())
                          .arg(r.y())
                          .arg(r.width())
                          .arg(r.height())
                          .arg(QLatin1String(widget->metaObject()->className()),
                               widget->objectName(), caption(widget)));
        }
    }
}
} // namespace

GalleryWindow::GalleryWindow(TarnInterface *facade)
    : TarnBaseDialog(nullptr, tr("TarnUILib gallery"), 1)
    , m_facade(facade)
{
    setFrameIcon(adjusteResourcePath(QStringLiteral(":/logo.png")), 4);
    setWindowResizeEnabled(true);
    m_maximizeEnabled = true;
    m_minimizeButton->show();
    m_maximizeButton->show();
    setMinimumSize(scaled(560), scaled(360));

    m_status = new QLabel(tr("Move the pointer over the controls."));
    m_status->setObjectName(QStringLiteral("TarnLabelText_Regular_12"));
    auto *layout = new QVBoxLayout(m_contentWidget);
    layout->setContentsMargins(scaled(16), scaled(8), scaled(16), scaled(12));
    layout->setSpacing(scaled(10));
    layout->addWidget(buildHoverControls());
    layout->addWidget(buildViews());
    layout->addWidget(buildAddressEditor());
    layout->addWidget(buildActions());
    layout->addStretch(1);
    layout->addWidget(m_status);

    if (!ShortCutsManager::_instance)
        ShortCutsManager::_instance = new ShortCutsManager;
    connect(ShortCutsManager::_instance, &ShortCutsManager::shortCutsApplied, this,
            &GalleryWindow::applyShortcuts);
    connect(ShortCutsManager::_instance, &ShortCutsManager::storageFailed, this,
            &GalleryWindow::noteStorageFailure);
    // The manager read the file before anyone listened: read again so that a fault shows.
    ShortCutsManager::_instance->loadShortCutsKey();
    applyShortcuts();

    if (scripted())
        connect(qApp, &QGuiApplication::focusWindowChanged, this, &printControls);
}

QWidget *GalleryWindow::buildHoverControls()
{
    auto *row = controlRow();
    hoverControl<TarnComboBox>(row, m_status)
        ->addItems({ tr("Pixel 7"), tr("Tablet"), tr("Phone") });
    hoverControl<TarnLineEdit>(row, m_status)->setPlaceholderText(tr("Name"));
    hoverControl<TarnCheckBox>(row, m_status)->setText(tr("Root"));
    hoverControl<TarnLabel>(row, m_status)->setText(tr("A label"));
    hoverControl<TarnPushButton>(row, m_status)->setText(tr("Button"));
    return section(tr("Hover-signalling controls"), row);
}

QWidget *GalleryWindow::buildViews()
{
    auto *row = controlRow();
    auto *list = new AutoHideScrollListWidget(nullptr);
    for (int i = 1; i <= 40; ++i)
        list->addItem(tr("Instance %1").arg(i));
    list->setFixedHeight(scaled(90));
    // Unlike other controls, an item view does not take its group box's title as its name.
    list->setAccessibleName(tr("Instances"));
    row->addWidget(list, 1);
    auto *spinner =
        new RotateAnimLabel(adjusteResourcePath(QStringLiteral(":/loading.png")), nullptr);
    spinner->setFixedSize(scaled(40), scaled(40));
    spinner->startAnimation(80);
    row->addWidget(spinner);
    // The icons come from the image set of the current scale.
    row->addWidget(new QLabel(tr("Images from %1").arg(adjusteResourcePath(QStringLiteral(":/")))));
    return section(tr("Auto-hide scroll bar and rotating label"), row);
}

QWidget *GalleryWindow::buildAddressEditor()
{
    auto *row = controlRow();
    auto *address = new TarnIpAddrEdit(nullptr);
    address->setText(QStringLiteral("192.168.1.20"));
    auto *check = new QPushButton(tr("Check"));
    connect(check, &QPushButton::clicked, this, [this, address] {
        report(address->isIpValid() ? tr("%1 is a valid address").arg(address->text())
                                    : tr("%1 is not a valid address").arg(address->text()));
    });
    row->addWidget(address, 1);
    row->addWidget(check);
    return section(tr("IPv4 address"), row);
}

QWidget *GalleryWindow::buildActions()
{
    auto *row = controlRow();
    auto *message = new QPushButton(tr("Message box…"));
    auto *shortcuts = new QPushButton(tr("Shortcut settings…"));
    auto *notice = new QPushButton(tr("Notice…"));
    m_onTop = new QCheckBox(tr("Stay on top"));
    connect(message, &QPushButton::clicked, this, &GalleryWindow::showMessageBox);
    connect(shortcuts, &QPushButton::clicked, this, &GalleryWindow::showShortcutSettings);
    connect(notice, &QPushButton::clicked, this, &GalleryWindow::showNotice);
    connect(m_onTop, &QCheckBox::toggled, this, &TarnBaseDialog::setStaysOnTop);
    row->addWidget(message);
    row->addWidget(shortcuts);
    row->addWidget(notice);
    row->addStretch(1);
    row->addWidget(m_onTop);
    return section(tr("Dialogs"), row);
}

std::unique_ptr<TarnMsgBox> GalleryWindow::createMessageBox()
{
    auto box =
        std::make_unique<TarnMsgBox>(adjusteResourcePath(QStringLiteral(":/logo.png")), tr("Tarn"),
                                     tr("Delete the instance \"Pixel 7\"?"), this);
    box->setMessageIcon(adjusteResourcePath(QStringLiteral(":/warning.png")));
    box->addLabel(tr("Its apps and data are removed as well."), false);
    box->addCheckbox(tr("Keep the disk image"), true);
    box->addButton(tr("Delete"), true);
    box->addButton(tr("Cancel"), false);
    alignTextsLeft(box.get());
    return box;
}

void GalleryWindow::showMessageBox()
{
    const std::unique_ptr<TarnMsgBox> box = createMessageBox();
    box->exec();
    const QPushButton *clicked = box->clickedButton();
    const bool kept = box->findChild<QCheckBox *>()->isChecked();
    if (!clicked)
        report(tr("Message box closed from its title bar"));
    else
        report(clicked->objectName() == QLatin1String("greenColorSmall")
                   ? tr("Deleted (disk image %1)").arg(kept ? tr("kept") : tr("removed"))
                   : tr("Cancelled"));
}

std::unique_ptr<TarnMsgBox> GalleryWindow::createNotice()
{
    auto box =
        std::make_unique<TarnMsgBox>(tr("Update"), tr("TarnUILib 2.0 is ready to install."), this);
    box->setMessageIcon(adjusteResourcePath(QStringLiteral(":/logo.png")));
    box->addLabel(tr("Running instances are saved and restarted."), false);
    box->addSecondaryTextSpacing(scaled(6));
    box->addLabel(tr("<a href=\"https://example.org/tarn\">What is new</a>"), true);
    box->addCheckbox(tr("Back up instances first"), true);
    box->addCheckbox(tr("Install updates by themselves"), false);
    box->addChkboxStretch(1);
    box->addButtonSlot(
        tr("Release notes"), [this] { report(tr("Release notes asked for")); }, false);
    box->addBtnStretch(1);
    box->addButton(tr("Later"), false);
    box->addButton(tr("Install"), true);
    alignTextsLeft(box.get());
    return box;
}

void GalleryWindow::showNotice()
{
    const std::unique_ptr<TarnMsgBox> box = createNotice();
    box->exec();
    const QPushButton *clicked = box->clickedButton();
    report(tr("Notice closed by %1").arg(clicked ? clicked->text() : tr("its title bar")));
}

std::unique_ptr<TarnBaseDialog> GalleryWindow::createShortcutSettings()
{
    auto dialog = std::make_unique<TarnBaseDialog>(this, tr("Shortcut settings"), 1);
    dialog->setFrameIcon(adjusteResourcePath(QStringLiteral(":/logo.png")), 4);
    auto *layout =
        new QVBoxLayout(dialog->findChild<QWidget *>(QStringLiteral("frame-content-widget")));
    layout->setContentsMargins(0, 0, 0, 0);
    auto *page = new ShortCuts(dialog.get(), m_facade);
    layout->addWidget(page);
    page->loadShortCuts();
    dialog->resize(scaled(760), scaled(440));
    return dialog;
}

void GalleryWindow::showShortcutSettings()
{
    const std::unique_ptr<TarnBaseDialog> dialog = createShortcutSettings();
    // center() shows the dialog, and a dialog already shown would not become modal in exec().
    dialog->setModal(true);
    dialog->center(this);
    dialog->exec();
}

void GalleryWindow::setStayOnTopChecked(bool checked)
{
    m_onTop->setChecked(checked);
}

void GalleryWindow::applyShortcuts()
{
    qDeleteAll(m_shortcuts);
    m_shortcuts.clear();
    for (int i = 0; i < ShortCutsManager::ActionCount; ++i) {
        const ShortCutsKey entry =
            ShortCutsManager::_instance->getShortCutsKey(ShortCutsManager::ShortCutIndex(i));
        if (!entry.enabled || entry.key.isEmpty())
            continue;
        auto *shortcut =
            new QShortcut(QKeySequence::fromString(entry.key, QKeySequence::PortableText), this);
        connect(shortcut, &QShortcut::activated, this,
                [this, name = entry.name] { report(tr("Shortcut: %1").arg(name)); });
        m_shortcuts.append(shortcut);
    }
}

void GalleryWindow::report(const QString &text)
{
    showLine(m_status, text);
}

// Each fault arrives as it happens (opening the shortcut page may try to write eleven
// times); the user sees them once, together, when the event loop is back.
void GalleryWindow::noteStorageFailure(const QString &reason)
{
    report(tr("Settings file: %1").arg(reason));
    if (m_storageFailures.isEmpty())
        QTimer::singleShot(0, this, &GalleryWindow::showStorageFailures);
    if (!m_storageFailures.contains(reason))
        m_storageFailures.append(reason);
}

void GalleryWindow::showStorageFailures()
{
    QWidget *over = QApplication::activeModalWidget();
    TarnMsgBox box(adjusteResourcePath(QStringLiteral(":/logo.png")), tr("Tarn"),
                   tr("The settings file could not be read or written:"), over ? over : this);
    box.setMessageIcon(adjusteResourcePath(QStringLiteral(":/warning.png")));
    for (const QString &reason : qAsConst(m_storageFailures))
        box.addLabel(reason, false);
    m_storageFailures.clear();
    box.addSecondaryTextSpacing(scaled(6));
    box.addLabel(
        tr("Shortcuts you saved stay in effect and are written at the next save that works."),
        false);
    box.addButton(tr("OK"), true);
    alignTextsLeft(&box);
    box.exec();
}
