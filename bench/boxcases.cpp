// SPDX-License-Identifier: LGPL-2.1-or-later
// The message box and the address editor, each built, shown, used and destroyed.
#include "benchcases.h"
#include "benchmeter.h"

#include "tarnipaddredit.h"
#include "tarnippartlineedit.h"
#include "tarnmsgbox.h"
#include "tarnoctetvalidator_p.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <cstdio>

namespace {
const char address[] = "192.168.001.010";
const char typed[] = "010000000001";

void showBox(QDialog &box)
{
    box.show();
    settle();
    box.close();
}

// Digits typed into whatever has the focus, one key at a time.
void typeDigits(QWidget *window)
{
    for (const char *c = typed; *c; ++c) {
        QTest::keyClick(window->windowHandle(), *c);
        QCoreApplication::processEvents();
    }
}

QString ipCycle(bool ours)
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    QString text;
    if (ours) {
        auto *edit = new TarnIpAddrEdit(&window);
        layout->addWidget(edit);
        edit->setText(QLatin1String(address));
        window.show();
        settle();
        edit->getPartEdit(0)->setFocus();
        typeDigits(&window);
        text = edit->text();
    } else {
        auto *edit = new QLineEdit(&window);
        edit->setInputMask(QStringLiteral("000.000.000.000;_"));
        // The validator a plain Qt form puts on an address field (QRegExpValidator; on Qt 6 its
        // successor).
        edit->setValidator(new TarnAddressValidator(
            TarnAddressPattern(QStringLiteral("((2[0-4]\\d|25[0-5]|[01]?\\d\\d?)\\.){3}"
                                              "(2[0-4]\\d|25[0-5]|[01]?\\d\\d?)")),
            edit));
        layout->addWidget(edit);
        edit->setText(QLatin1String(address));
        window.show();
        settle();
        edit->setFocus();
        edit->setCursorPosition(0);
        typeDigits(&window);
        text = edit->text();
    }
    return text;
}
} // namespace

// Built with the texts and buttons of the shortcut conflict notice, shown, closed.
void benchMessageBox(BenchMeter &meter, const BenchOptions &options)
{
    const QString title = QStringLiteral("Tarn");
    const QString text = QStringLiteral("   快捷键冲突   ");
    measure(meter, options, [&] {
        if (options.ours) {
            TarnMsgBox box(title, text, nullptr);
            box.addButton(QStringLiteral("确定"), true);
            box.addButton(QStringLiteral("取消"), false);
            showBox(box);
        } else {
            QMessageBox box;
            box.setWindowTitle(title);
            box.setText(text);
            box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
            box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
            showBox(box);
        }
    });
}

// Built, given an address, shown, and typed into from the first octet.
void benchIpEdit(BenchMeter &meter, const BenchOptions &options)
{
    QString text;
    measure(meter, options, [&] { text = ipCycle(options.ours); });
    std::printf("shown=%s\n", qPrintable(text));
}
