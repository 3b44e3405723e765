// SPDX-License-Identifier: LGPL-2.1-or-later
// A small host that uses the installed package alone: an installed sample sheet, a window with a
// few controls and the conflict notice a capture field opens. Writes one picture of both.
// Usage: tarn-host <sample sheet> <picture>
#include <TarnUILib/TarnUILib.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    TarnInterface facade;
    TarnInterface::mInstance = &facade;
    loadTarnUILibTranslation(QLocale(QLocale::English));
    QFile sheet(QString::fromLocal8Bit(argv[1]));
    if (!sheet.open(QIODevice::ReadOnly))
        return 1;
    app.setStyleSheet(adjusteResourcePath(QString::fromUtf8(sheet.readAll())));

    TarnBaseDialog window(nullptr, "Host", 1);
    window.setFrameIcon(adjusteResourcePath(":/logo.png"), 4);
    window.findChild<QWidget *>("minimize-button")->show();
    window.findChild<QWidget *>("maximize-button")->show();
    auto *content = window.findChild<QWidget *>("frame-content-widget");
    auto *layout = new QVBoxLayout(content);
    auto *combo = new TarnComboBox(content);
    combo->addItems({ "Pixel 7", "Tablet" });
    auto *check = new QCheckBox("Start with the system", content);
    check->setChecked(true);
    auto *address = new TarnIpAddrEdit(content);
    address->setText("10.0.2.15");
    auto *field = new ShortCutEdit(content);
    field->setIndex(ShortCutsManager::Menu);
    for (QWidget *widget : QWidgetList { combo, check, address, field })
        layout->addWidget(widget);
    window.resize(320, 200);
    window.show();

    // Esc is Back's key: the field opens the notice, pictured beside the window.
    QImage picture;
    QTimer::singleShot(100, [&] {
        QWidget *notice = QApplication::activeModalWidget();
        const QPixmap left = window.grab(), right = notice->grab();
        picture = QImage(left.width() + right.width() + 16, qMax(left.height(), right.height()),
                         QImage::Format_ARGB32);
        picture.fill(Qt::transparent);
        QPainter(&picture).drawPixmap(0, 0, left);
        QPainter(&picture).drawPixmap(left.width() + 16, 0, right);
        notice->close();
    });
    field->setFocus();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(field, &press);
    delete ShortCutsManager::_instance;
    return picture.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
