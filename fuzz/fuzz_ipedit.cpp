// SPDX-License-Identifier: LGPL-2.1-or-later
// The address editor under arbitrary input: setText, typing, paste, drop, undo and redo,
// and text set on a field directly.
#include "fuzz_common.h"
#include "tarnipaddredit.h"
#include "tarnippartlineedit.h"

#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>
#include <QRegExp>
#include <QtTest>

#include <fuzzer/FuzzedDataProvider.h>

namespace {
using TarnFuzz::check;

const QRegExp kAddress(
    QStringLiteral("((2[0-4]\\d|25[0-5]|[01]?\\d\\d?)\\.){3}(2[0-4]\\d|25[0-5]|[01]?\\d\\d?)"));

TarnIpAddrEdit *editor()
{
    static TarnIpAddrEdit *edit = new TarnIpAddrEdit;
    return edit;
}

// Short texts mostly of digits and dots, sometimes anything.
QString consumeText(FuzzedDataProvider &data)
{
    static const char pieces[] = "0123456789.";
    if (data.ConsumeBool())
        return QString::fromUtf8(data.ConsumeRandomLengthString(12).c_str());
    QString text;
    for (int n = data.ConsumeIntegralInRange(0, 15); n > 0; --n)
        text += QLatin1Char(pieces[data.ConsumeIntegralInRange<size_t>(0, sizeof(pieces) - 2)]);
    return text;
}

// What a keyboard types: QTest maps printable ASCII only.
QString typedText(FuzzedDataProvider &data)
{
    QString text;
    for (int n = data.ConsumeIntegralInRange(0, 6); n > 0; --n)
        text += QLatin1Char(data.ConsumeIntegralInRange(' ', '~'));
    return text;
}

void setAddress(const QString &text)
{
    editor()->setText(text);
    const bool accepted = kAddress.exactMatch(text);
    check(editor()->text() == (accepted ? text : QStringLiteral("...")), "setText result", text);
    check(!accepted || editor()->isIpValid(), "accepted address not valid", text);
}

void drop(QLineEdit *part, const QString &text)
{
    QMimeData data;
    data.setText(text);
    QDropEvent event(QPointF(part->width() / 2, part->height() / 2), Qt::CopyAction, &data,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(part, &event);
}

void editPart(FuzzedDataProvider &data)
{
    QLineEdit *part = editor()->getPartEdit(data.ConsumeIntegralInRange(0, 3));
    static const Qt::Key keys[] = { Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home,
                                    Qt::Key_End,       Qt::Key_Left,   Qt::Key_Right };
    switch (data.ConsumeIntegralInRange(0, 7)) {
    case 0:
        QTest::keyClicks(part, typedText(data));
        break;
    case 1:
        QApplication::clipboard()->setText(consumeText(data));
        part->paste();
        break;
    case 2:
        drop(part, consumeText(data));
        break;
    case 3:
        part->setText(consumeText(data));
        break;
    case 4:
        part->undo();
        break;
    case 5:
        part->redo();
        break;
    case 6:
        part->setSelection(data.ConsumeIntegralInRange(0, 3), data.ConsumeIntegralInRange(-3, 3));
        break;
    default:
        QTest::keyClick(part, data.PickValueInArray(keys));
        break;
    }
}

// Every field holds at most three characters, and a number in them is at most 255.
void checkFields()
{
    for (int i = 0; i < 4; ++i) {
        const QString text = editor()->getPartEdit(i)->text();
        bool ok = false;
        const int value = text.toInt(&ok, 10);
        check(text.size() <= 3, "field longer than three characters", text);
        check(!ok || (value >= 0 && value <= 255), "field above 255", text);
    }
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    TarnFuzz::startApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    editor()->setText(QString());
    for (int i = 0; i < 32 && data.remaining_bytes() > 0; ++i) {
        if (data.ConsumeIntegralInRange(0, 4) == 0)
            setAddress(consumeText(data));
        else
            editPart(data);
        checkFields();
    }
    return 0;
}
