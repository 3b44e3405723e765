// SPDX-License-Identifier: LGPL-2.1-or-later
// Random key presses and releases on a loaded shortcut page, from a fixed seed, with the
// conflict notice closed as soon as it opens. After every event each field shows nothing,
// a modifier prefix or a complete combination; after a key press the field's text is what
// the manager holds for its action; and a save read back by a fresh manager gives every
// field's text again.
#include "fuzz_common.h"
#include "keytext.h"
#include "shortcutedit.h"
#include "shortcuts.h"
#include "shortcutsmanager.h"
#include "tarninterface.h"
#include "tarnlibtesting.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMetaEnum>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cstdio>
#include <random>

namespace {
using Manager = ShortCutsManager;

const Qt::Key kModifierKeys[] = { Qt::Key_Control, Qt::Key_Shift, Qt::Key_Alt, Qt::Key_Meta };
const Qt::KeyboardModifier kModifierFlags[] = { Qt::ControlModifier, Qt::ShiftModifier,
                                                Qt::AltModifier, Qt::MetaModifier };

class Monkey
{
public:
    Monkey(unsigned seed)
        : m_random(seed)
    {
        const QMetaEnum keys = QMetaEnum::fromType<Qt::Key>();
        for (int i = 0; i < keys.keyCount(); ++i)
            m_keys << keys.value(i);
        for (int flags = 0; flags < 8; ++flags) {
            Qt::KeyboardModifiers held;
            for (int i = 0; i < 3; ++i)
                held.setFlag(kModifierFlags[i], flags & (1 << i));
            m_prefixes << TarnUI::displayKeyText(TarnUI::modifierPrefix(held));
        }
        m_window.show();
        openPage();
    }

    int failures = 0;

    void step()
    {
        if (pick(50) == 0)
            focus(m_edits.at(pick(m_edits.size())));
        const bool press = pick(2);
        const bool modifier = pick(4) == 0;
        const int key = modifier ? kModifierKeys[pick(4)] : m_keys.at(pick(m_keys.size()));
        const bool repeat = press && pick(10) == 0;
        const int index = modifierIndex(key);
        // Qt's modifiers() flips the bit of a modifier key's own press and release.
        Qt::KeyboardModifiers flags = m_held;
        if (index >= 0)
            flags &= ~kModifierFlags[index];
        if (pick(8) == 0)
            flags |= Qt::KeypadModifier;
        QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, key, flags, QString(),
                        repeat);
        QApplication::sendEvent(m_focus, &event);
        if (index >= 0)
            m_held.setFlag(kModifierFlags[index], press);
        ++m_events;
        // Qt's Key_unknown has no name and completes nothing, like a modifier key.
        checkFields(press && !TarnUI::isModifierKey(key) && key != Qt::Key_unknown, key);
        if (m_events % 2500 == 0)
            saveAndReadBack();
    }

    void saveAndReadBack()
    {
        releaseModifiers();
        QStringList shown;
        for (ShortCutEdit *edit : m_edits)
            shown << edit->text();
        const QList<QPushButton *> buttons = m_page->findChildren<QPushButton *>();
        for (QPushButton *button : buttons) {
            if (button->text() == QStringLiteral("保存"))
                QTest::mouseClick(button, Qt::LeftButton);
        }
        delete std::exchange(Manager::_instance, new Manager);
        m_window.show();
        openPage();
        for (int i = 0; i < m_edits.size(); ++i) {
            if (m_edits[i]->text() != shown[i])
                fail("save and fresh read changed a field", shown[i], m_edits[i]->text());
        }
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    static int modifierIndex(int key)
    {
        for (int i = 0; i < 4; ++i) {
            if (kModifierKeys[i] == key)
                return i;
        }
        return -1;
    }

    void openPage()
    {
        delete m_page;
        m_page = new ShortCuts(&m_window, &m_interface);
        m_page->loadShortCuts();
        m_edits = m_page->findChildren<ShortCutEdit *>();
        focus(m_edits.first());
    }

    void focus(ShortCutEdit *edit)
    {
        // A closed notice may leave no window active; a user clicks the page again.
        if (!m_window.isActiveWindow())
            activate();
        m_focus = edit;
        edit->setFocus(Qt::OtherFocusReason);
    }

    // Active, so that a change of field delivers focus-out and focus-in events.
    void activate()
    {
        m_window.activateWindow();
        if (!QTest::qWaitForWindowActive(&m_window))
            std::fprintf(stderr, "the page's window did not become active\n");
    }

    void releaseModifiers()
    {
        for (int i = 0; i < 4; ++i) {
            if (!(m_held & kModifierFlags[i]))
                continue;
            QKeyEvent event(QEvent::KeyRelease, kModifierKeys[i], m_held & ~kModifierFlags[i]);
            QApplication::sendEvent(m_focus, &event);
            m_held &= ~kModifierFlags[i];
        }
    }

    void fail(const char *what, const QString &expected, const QString &actual)
    {
        ++failures;
        std::fprintf(stderr, "event %d: %s: \"%s\" / \"%s\"\n", m_events, what,
                     qPrintable(expected), qPrintable(actual));
    }

    void checkFields(bool completingPress, int key)
    {
        for (ShortCutEdit *edit : qAsConst(m_edits)) {
            const QString text = edit->text();
            if (text.endsWith(QLatin1Char(' ')) && !m_prefixes.contains(text))
                fail("a field shows a broken prefix", QString(), text);
        }
        if (!completingPress)
            return;
        const QString text = m_focus->text();
        const QString held =
            Manager::_instance->getShortCutsKey(Manager::ShortCutIndex(m_focus->getIndex())).key;
        if (text.endsWith(QLatin1Char(' ')))
            fail("a captured or refused key ends with a space", QString::number(key, 16), text);
        if (TarnUI::compactKeyText(text) != held)
            fail("the manager holds another key than the field", TarnUI::compactKeyText(text),
                 held);
    }

    std::mt19937 m_random;
    QList<int> m_keys;
    QStringList m_prefixes;
    TarnInterface m_interface;
    QWidget m_window;
    ShortCuts *m_page = nullptr;
    QList<ShortCutEdit *> m_edits;
    ShortCutEdit *m_focus = nullptr;
    Qt::KeyboardModifiers m_held;
    int m_events = 0;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const TarnFuzz::MonkeyRun run = TarnFuzz::startMonkey(application.arguments());
    QTemporaryDir folder;
    TarnLibTesting::setConfigPath(folder.filePath(QStringLiteral("tarn.ini")));
    // The conflict notice runs its own event loop inside the key handler: close it there.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            box->reject();
    });
    closer.start(0);
    Monkey monkey(run.seed);
    for (int i = 0; i < run.events; ++i)
        monkey.step();
    monkey.saveAndReadBack();
    std::printf("monkey_shortcuts: %d events, seed %u, %d failures\n", run.events, run.seed,
                monkey.failures);
    return monkey.failures == 0 ? 0 : 1;
}
