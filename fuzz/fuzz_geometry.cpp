// SPDX-License-Identifier: LGPL-2.1-or-later
// Window geometry: a press on or near the edges of a resizable frameless dialog and one move
// of the pointer. The hit test names only an enabled edge whose zone holds the press; a drag
// never leaves the window below its minimum size or its opposite edge off where it was, and
// a move keeps the size. The rectangle arithmetic also takes the ends of the int range.
#include "fuzz_common.h"
#include "tarnbasedialog.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    static TarnBaseDialog *window = new TarnBaseDialog(nullptr, QString(), 3);
    // Laid out as shown, but never painted: a drag may make it any size.
    window->setAttribute(Qt::WA_DontShowOnScreen);
    window->setWindowResizeEnabled(true);
    window->show();
    FuzzedDataProvider data(bytes, size);
    const auto any = [&data](int range) {
        return data.ConsumeIntegralInRange(-range, range);
    };
    const QRect far(QPoint(any(INT_MAX), any(INT_MAX)), QPoint(any(INT_MAX), any(INT_MAX)));
    window->caculateWindowRect(any(INT_MAX), any(INT_MAX), any(20), far);
    const auto directions = QList<int> { 10, 13, 16, 11, 14, 17, 12, 15 }.mid(any(8));
    window->setEnableDirection(directions);
    window->setMinimumSize(qAbs(any(3000)), qAbs(any(3000)));
    window->setGeometry(any(5000), any(5000), any(4000), any(4000));
    const QRect start = window->geometry();
    const QPoint press(
        data.PickValueInArray({ 0, 1, start.width() - 2, start.width() - 1, any(4100) }),
        data.PickValueInArray({ 0, 1, start.height() - 2, start.height() - 1, any(4100) }));
    QMouseEvent hover(QEvent::MouseMove, press, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    const int code = window->winHitTest(&hover);
    const QPoint travel(any(1 << 24), any(1 << 24));
    for (const auto type :
         { QEvent::MouseButtonPress, QEvent::MouseMove, QEvent::MouseButtonRelease }) {
        const QPoint pos = type == QEvent::MouseButtonPress ? press : press + travel;
        QMouseEvent event(type, pos, start.topLeft() + pos, Qt::LeftButton,
                          Qt::MouseButtons(type != QEvent::MouseButtonRelease), Qt::NoModifier);
        QApplication::sendEvent(window, &event);
    }
    const QRect now = window->geometry();
    const bool left = code == 10 || code == 13 || code == 16, top = code >= 12 && code <= 14;
    const bool right = code == 11 || code == 14 || code == 17, bottom = code >= 15 && code <= 17;
    // An edge's zone is two pixels deep along its own axis only: a drag goes on outside.
    check(code == 0
              || (directions.contains(code) && (!left || uint(press.x()) < 2)
                  && (!top || uint(press.y()) < 2)
                  && (!right || uint(start.width() - 1 - press.x()) < 2)
                  && (!bottom || uint(start.height() - 1 - press.y()) < 2)),
          "hit test", QString::number(code));
    check(now.width() >= window->minimumWidth() && now.height() >= window->minimumHeight()
              && (code == 0 ? now.size() == start.size()
                            : (left ? now.right() == start.right() : now.left() == start.left())
                          && (top ? now.bottom() == start.bottom() : now.top() == start.top())),
          "below the minimum, or a kept edge or the size moved", QString::number(code));
    return 0;
}
