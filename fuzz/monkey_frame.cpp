// SPDX-License-Identifier: LGPL-2.1-or-later
// Random presses, moves, releases and double clicks on a shown frameless dialog, from a
// fixed seed. After every event: the edge opposite a dragged one where it was, nothing moved or
// resized while maximised or full screen, and no drag outliving its release.
#include "fuzz_common.h"
#include "tarnbasedialog.h"
#include "tarnlib.h"
#include "tarntitlewidget.h"

#include <QApplication>
#include <QBoxLayout>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

#include <cstdio>
#include <random>

namespace {
class Dialog : public TarnBaseDialog
{
public:
    Dialog()
        : TarnBaseDialog(nullptr, QStringLiteral("monkey"), 3)
    {
        setWindowResizeEnabled(true);
        m_maximizeEnabled = true;
        setMinimumSize(200, 150);
    }

    // What a host's full-screen mode does before setShowNormal() brings the frame back.
    void enterFullScreen()
    {
        m_fullScreen = true;
        m_mainLayout->setContentsMargins(0, 0, 0, 0);
        m_titleWidget->hide();
        showFullScreen();
    }

    using TarnBaseDialog::m_direction, TarnBaseDialog::m_leftPressed;
    using TarnBaseDialog::m_fullScreen, TarnBaseDialog::m_maximized;
    using TarnBaseDialog::m_startGeometry, TarnBaseDialog::m_titleWidget;
};

class Monkey
{
public:
    Monkey(Dialog &dialog, unsigned seed)
        : m_dialog(dialog)
        , m_random(seed)
    {
        QObject::connect(dialog.m_titleWidget, &TarnTitleWidget::sigDragBegin,
                         [this] { m_titleDrag = true; });
    }

    int failures = 0;

    void step()
    {
        if (!m_dialog.isVisible() || m_dialog.isMinimized())
            m_dialog.showNormal();
        if (pick(400) == 0)
            toggleFullScreen();
        const Snapshot before = snapshot();
        const QPoint pos = target();
        QEvent::Type type = action();
        send(type, pos);
        QCoreApplication::processEvents();
        check(before, type, pos);
    }

private:
    struct Snapshot
    {
        QRect geometry;
        bool maximised, fullScreen;
    };

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    Snapshot snapshot() const
    {
        return { m_dialog.geometry(), m_dialog.m_maximized, m_dialog.m_fullScreen };
    }

    void toggleFullScreen()
    {
        if (m_dialog.m_fullScreen)
            m_dialog.setShowNormal();
        else
            m_dialog.enterFullScreen();
        QCoreApplication::processEvents();
    }

    // Edges and corners, the title bar and its top band, the content, the window
    // buttons, or anywhere around the window.
    QPoint target()
    {
        const int w = m_dialog.width();
        const int h = m_dialog.height();
        const auto near = [this](int edge) {
            return edge + pick(5) - 2;
        };
        switch (pick(6)) {
        case 0:
            return { pick(2) ? near(0) : near(w - 1), pick(h) };
        case 1:
            return { pick(w), pick(2) ? near(0) : near(h - 1) };
        case 2:
            return { pick(2) ? near(0) : near(w - 1), pick(2) ? near(0) : near(h - 1) };
        case 3:
            return { pick(w), 3 + pick(32) };
        case 4: {
            const QList<QToolButton *> buttons = m_dialog.findChildren<QToolButton *>();
            const QToolButton *button = buttons.at(pick(buttons.size()));
            return button->mapTo(&m_dialog, button->rect().center());
        }
        default:
            return { pick(w + 400) - 200, pick(h + 400) - 200 };
        }
    }

    QEvent::Type action()
    {
        const int n = pick(20);
        if (n < 3)
            return QEvent::MouseButtonPress;
        if (n < 5)
            return QEvent::MouseButtonRelease;
        if (n < 6)
            return QEvent::MouseButtonDblClick;
        return QEvent::MouseMove;
    }

    void mouse(QEvent::Type type, const QPoint &pos, Qt::MouseButton button)
    {
        QWindow *window = m_dialog.windowHandle();
        m_timestamp += 1 + pick(300);
        qt_handleMouseEvent(window, pos, window->mapToGlobal(pos), m_buttons, button, type,
                            Qt::NoModifier, m_timestamp);
    }

    // A button is pressed only while up and released only while down, as a real mouse
    // does; a double click needs the left button up.
    QEvent::Type possible(QEvent::Type type, Qt::MouseButton button) const
    {
        const bool down = m_buttons & button;
        if ((type == QEvent::MouseButtonPress && down)
            || (type == QEvent::MouseButtonRelease && !down)
            || (type == QEvent::MouseButtonDblClick && (m_buttons & Qt::LeftButton)))
            return QEvent::MouseMove;
        return type;
    }

    void send(QEvent::Type &type, const QPoint &pos)
    {
        const Qt::MouseButton button = pick(5) ? Qt::LeftButton : Qt::RightButton;
        type = possible(type, button);
        switch (type) {
        case QEvent::MouseButtonPress:
            m_buttons |= button;
            mouse(type, pos, button);
            break;
        case QEvent::MouseButtonRelease:
            m_buttons &= ~button;
            mouse(type, pos, button);
            break;
        case QEvent::MouseButtonDblClick:
            // Two clicks in quick succession: Qt makes the second press a double click.
            for (int click = 0; click < 2; ++click) {
                m_buttons |= Qt::LeftButton;
                mouse(QEvent::MouseButtonPress, pos, Qt::LeftButton);
                m_buttons &= ~Qt::LeftButton;
                mouse(QEvent::MouseButtonRelease, pos, Qt::LeftButton);
                m_timestamp -= 250;
            }
            m_timestamp += 1000;
            break;
        default:
            mouse(type, pos, Qt::NoButton);
            break;
        }
    }

    void fail(const char *what, const QRect &was, const QRect &is)
    {
        ++failures;
        std::fprintf(stderr, "event %d: %s (%d,%d %dx%d -> %d,%d %dx%d)\n", m_events, what, was.x(),
                     was.y(), was.width(), was.height(), is.x(), is.y(), is.width(), is.height());
    }

    void check(const Snapshot &before, QEvent::Type type, const QPoint &pos)
    {
        ++m_events;
        const QRect now = m_dialog.geometry();
        const QRect start = m_dialog.m_startGeometry;
        const int code = m_dialog.m_direction;
        const bool resizing = m_dialog.m_leftPressed && code != 0;
        // The title bar's top-edge drag is not blocked while maximised; nothing else moves.
        const bool sameState =
            before.maximised == m_dialog.m_maximized && before.fullScreen == m_dialog.m_fullScreen;
        if (sameState && now != before.geometry
            && ((resizing && !before.maximised && !before.fullScreen) || m_titleDrag)) {
            const bool left = !m_titleDrag && (code == 10 || code == 13 || code == 16);
            const bool top = m_titleDrag || (code >= 12 && code <= 14);
            if ((left ? now.right() != start.right() : now.left() != start.left())
                || (top ? now.bottom() != start.bottom() : now.top() != start.top()))
                fail("the edge opposite the dragged one moved", start, now);
        }
        // A double click may toggle twice: restore, then maximise again.
        if ((before.maximised || before.fullScreen) && sameState && !m_titleDrag
            && type != QEvent::MouseButtonDblClick && now != before.geometry)
            fail("moved or resized while maximised or full screen", before.geometry, now);
        // Qt sends a release, and the moves while any button is down, to the widget that had
        // the press; when that was hidden since (the title bar on entering full screen), the
        // drag ends at the first move with every button up.
        // (A move outside the window with no button held reaches no widget.)
        if (type == QEvent::MouseMove && m_buttons == Qt::NoButton && m_dialog.rect().contains(pos)
            && (m_dialog.m_leftPressed || code != 0))
            fail("a drag outlived its release", before.geometry, now);
        if (!(m_buttons & Qt::LeftButton))
            m_titleDrag = false;
    }

    Dialog &m_dialog;
    std::mt19937 m_random;
    Qt::MouseButtons m_buttons;
    ulong m_timestamp = 1000;
    int m_events = 0;
    bool m_titleDrag = false;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const TarnFuzz::MonkeyRun run = TarnFuzz::startMonkey(application.arguments());
    Dialog dialog;
    dialog.setGeometry(100, 100, 400, 300);
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        return 2;
    Monkey monkey(dialog, run.seed);
    for (int i = 0; i < run.events; ++i)
        monkey.step();
    std::printf("monkey_frame: %d events, seed %u, %d failures\n", run.events, run.seed,
                monkey.failures);
    return monkey.failures == 0 ? 0 : 1;
}
