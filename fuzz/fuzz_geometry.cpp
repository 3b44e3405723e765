// SPDX-License-Identifier: LGPL-2.1-or-later
// Window geometry: caculateWindowRect, the bounds a drag applies, and the hit test, with
// integers and rectangles up to the ends of the int range.
#include "fuzz_common.h"
#include "tarnbasedialog.h"
#include "tarnframe_p.h"
#include "tarnlib.h"

#include <QMouseEvent>

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

namespace {
using TarnFuzz::check;

class Frame : public TarnBaseDialog
{
public:
    using TarnBaseDialog::m_borderWidth;
};

Frame *frame()
{
    static Frame *dialog = new Frame;
    return dialog;
}

struct Drag
{
    int dx, dy, code;
    QRect start;
};

bool dragsLeft(int code)
{
    return code == 10 || code == 13 || code == 16;
}

bool dragsRight(int code)
{
    return code == 11 || code == 14 || code == 17;
}

bool dragsTop(int code)
{
    return code >= 12 && code <= 14;
}

bool dragsBottom(int code)
{
    return code >= 15 && code <= 17;
}

// The documented rules, written out again in 64 bits for sizes of any magnitude: the
// candidate sizes and the minimum width and height.
void expectedSize(const Drag &d, int border, const QSize &minimum, qint64 *width, qint64 *height)
{
    const qint64 w0 = qint64(d.start.right()) - d.start.left();
    const qint64 h0 = qint64(d.start.bottom()) - d.start.top();
    const bool valid = d.code >= 10 && d.code <= 17;
    qint64 w = !valid        ? 0
        : dragsLeft(d.code)  ? w0 - d.dx + 2
        : dragsRight(d.code) ? w0 + d.dx + 2
                             : w0 + 1;
    qint64 h = !valid         ? 0
        : dragsTop(d.code)    ? h0 - d.dy + 2
        : dragsBottom(d.code) ? h0 + d.dy + 2
                              : h0 + 1;
    const qint64 m = border;
    if (w <= minimum.width() - 2 * m + 3)
        w = minimum.width() - 2 * m + 4;
    const double title = 30 * gScale;
    const double hMin = title + (qint64((minimum.height() - 2 * m) - title) + 4);
    if (hMin > h)
        h = qint64(hMin);
    *width = w;
    *height = h;
}

// For on-screen magnitudes: at that size, with the edge opposite the dragged one kept.
QRect expectedRect(const Drag &d, int width, int height)
{
    if (d.code < 10 || d.code > 17)
        return QRect(0, 0, width, height);
    const int x = dragsLeft(d.code) ? d.start.right() - width + 1 : d.start.left();
    const int y = dragsTop(d.code) ? d.start.bottom() - height + 1 : d.start.top();
    return QRect(x, y, width, height);
}

// On-screen magnitudes, for which the result must be the documented one to the pixel.
bool realistic(const Drag &d, int border, const QSize &minimum)
{
    const auto small = [](qint64 v) {
        return v > -(1 << 20) && v < (1 << 20);
    };
    return small(d.dx) && small(d.dy) && small(d.start.left()) && small(d.start.top())
        && small(d.start.right()) && small(d.start.bottom()) && border >= 0 && border < 100
        && minimum.width() < (1 << 20) && minimum.height() < (1 << 20);
}

int consumeInt(FuzzedDataProvider &data, int small)
{
    return data.ConsumeBool() ? data.ConsumeIntegral<int>()
                              : data.ConsumeIntegralInRange(-small, small);
}

void checkDrag(FuzzedDataProvider &data)
{
    static const double scales[] = { 1.0, 1.25, 1.5, 1.75, 2.0, 0.5, 3.0 };
    gScale = data.PickValueInArray(scales);
    Frame *dialog = frame();
    dialog->m_borderWidth = consumeInt(data, 20);
    dialog->setMinimumSize(data.ConsumeIntegralInRange(0, QWIDGETSIZE_MAX),
                           data.ConsumeIntegralInRange(0, QWIDGETSIZE_MAX));
    Drag d;
    d.code = data.ConsumeIntegralInRange(0, 20);
    d.dx = consumeInt(data, 3000);
    d.dy = consumeInt(data, 3000);
    const QPoint topLeft(consumeInt(data, 3000), consumeInt(data, 3000));
    const QPoint bottomRight(consumeInt(data, 3000), consumeInt(data, 3000));
    d.start = QRect(topLeft, bottomRight);

    const QSize minimum = dialog->minimumSize();
    const QRect rect = dialog->caculateWindowRect(d.dx, d.dy, d.code, d.start);
    qint64 width = 0;
    qint64 height = 0;
    expectedSize(d, dialog->m_borderWidth, minimum, &width, &height);
    const QString detail = QStringLiteral("code %1 travel %2,%3 from %4,%5 to %6,%7")
                               .arg(d.code)
                               .arg(d.dx)
                               .arg(d.dy)
                               .arg(topLeft.x())
                               .arg(topLeft.y())
                               .arg(bottomRight.x())
                               .arg(bottomRight.y());
    check(rect.width() == TarnUI::boundedSize(width)
              && rect.height() == TarnUI::boundedSize(height),
          "size is the documented one, bounded", detail);
    // A negative size (a border wider than half the minimum) becomes 0.
    const bool onScreen = realistic(d, dialog->m_borderWidth, minimum) && width >= 0 && height >= 0;
    if (onScreen)
        check(rect == expectedRect(d, int(width), int(height)),
              "on-screen result is the documented one", detail);

    // What a drag applies: never under the minimum, the opposite edge where it was.
    const QRect applied = TarnUI::keepFixedEdges(rect, minimum, dialog->maximumSize(),
                                                 dragsLeft(d.code), dragsTop(d.code));
    check(applied.width() >= minimum.width() && applied.height() >= minimum.height(),
          "applied drag below the minimum", detail);
    if (onScreen && d.code >= 10 && d.code <= 17) {
        check(dragsLeft(d.code) ? applied.right() == d.start.right()
                                : applied.left() == d.start.left(),
              "horizontal opposite edge moved", detail);
        check(dragsTop(d.code) ? applied.bottom() == d.start.bottom()
                               : applied.top() == d.start.top(),
              "vertical opposite edge moved", detail);
    }
}

void checkHitTest(FuzzedDataProvider &data)
{
    Frame *dialog = frame();
    dialog->resize(data.ConsumeIntegralInRange(1, 4000), data.ConsumeIntegralInRange(1, 4000));
    QList<int> directions;
    for (int n = data.ConsumeIntegralInRange(0, 10); n > 0; --n)
        directions << data.ConsumeIntegralInRange(0, 20);
    dialog->setEnableDirection(directions);
    // Any position a pointer event can carry: QMouseEvent rounds a double to int.
    const auto coordinate = [&data] {
        return data.ConsumeBool() ? data.ConsumeIntegralInRange(-(1 << 30), 1 << 30)
                                  : data.ConsumeIntegralInRange(-4100, 4100);
    };
    const QPoint pos(coordinate(), coordinate());
    QMouseEvent event(QEvent::MouseMove, pos, pos, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    const int code = dialog->winHitTest(&event);
    const QString detail = QStringLiteral("%1,%2 -> %3").arg(pos.x()).arg(pos.y()).arg(code);
    check(code == 0 || directions.contains(code), "hit code not enabled", detail);
    const bool left = pos.x() == 0 || pos.x() == 1;
    const bool right = pos.x() >= dialog->width() - 2 && pos.x() < dialog->width();
    const bool top = pos.y() == 0 || pos.y() == 1;
    const bool bottom = pos.y() >= dialog->height() - 2 && pos.y() < dialog->height();
    check(code == 0 || (dragsLeft(code) && left) || (dragsRight(code) && right)
              || (code == 12 && top) || (code == 15 && bottom),
          "hit code outside its zone", detail);
    check(code == 0 || !dragsTop(code) || top, "top code off the top zone", detail);
    check(code == 0 || !dragsBottom(code) || bottom, "bottom code off the bottom zone", detail);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    TarnFuzz::startApplication();
    frame()->setWindowResizeEnabled(true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    for (int i = 0; i < 16 && data.remaining_bytes() > 0; ++i) {
        if (data.ConsumeBool())
            checkDrag(data);
        else
            checkHitTest(data);
    }
    return 0;
}
