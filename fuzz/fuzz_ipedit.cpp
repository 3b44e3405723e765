// SPDX-License-Identifier: LGPL-2.1-or-later
// The address editor: setText() takes exactly the complete dotted quads, and no key typed
// into a field (Ctrl+Z, Ctrl+V... too) or text set on it leaves more than three characters or
// a number above 255 there.
#include "fuzz_common.h"
#include "tarnipaddredit.h"
#include "tarnippartlineedit.h"
#include <QRegExp> // Core5Compat on Qt 6

#include <QtTest>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    static TarnIpAddrEdit *edit = new TarnIpAddrEdit;
    static const QRegExp address(
        "((2[0-4][0-9]|25[0-5]|[01]?[0-9][0-9]?)\\.){3}(2[0-4][0-9]|25[0-5]|[01]?[0-9][0-9]?)");
    FuzzedDataProvider data(bytes, size);
    const QString text = QString::fromStdString(data.ConsumeRandomLengthString(20));
    edit->setText(text);
    check(edit->text() == (address.exactMatch(text) ? text : "..."), "setText", text);
    while (data.remaining_bytes() > 0) {
        QLineEdit *part = edit->getPartEdit(data.ConsumeIntegralInRange(0, 3));
        const QString text = QString::fromStdString(data.ConsumeRandomLengthString(8));
        QApplication::clipboard()->setText(text);
        const int key = data.ConsumeBool()
            ? data.ConsumeIntegralInRange(' ', '`')
            : data.PickValueInArray({ Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End,
                                      Qt::Key_Left, Qt::Key_Right });
        if (data.ConsumeIntegralInRange(0, 7) == 0)
            part->setText(text);
        else
            QTest::keyClick(part, Qt::Key(key),
                            data.ConsumeBool() ? Qt::ControlModifier : Qt::NoModifier);
        for (const QLineEdit *field : edit->findChildren<QLineEdit *>())
            check(field->text().size() <= 3 && uint(field->text().toInt()) <= 255, "field",
                  field->text());
    }
    return 0;
}
