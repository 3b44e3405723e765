// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnlibtesting.h"
#include <TarnUILib/TarnUILib.h>

#include <QtTest>
#include <QtWidgets>

#include <functional>

// What a screen reader meets in every window the library builds, in English.
namespace {
using Visit = std::function<void(QWidget *)>;
// Shows one of the library's windows and hands it to the visit while it is on the screen.
using Opener = void (*)(const Visit &);

const QString kLink = QStringLiteral("<a href=\"tarn:new\">What is new</a>");

// A frameless window holding content, shown while visited.
void inWindow(QWidget *content, const Visit &visit)
{
    TarnBaseDialog window(nullptr, QStringLiteral("Tarn"), 1);
    (new QVBoxLayout(window.findChild<QWidget *>("frame-content-widget")))->addWidget(content);
    window.show();
    visit(&window);
}

// Content as a host builds it: a rotating label in a titled group, a button under it.
void openDialog(const Visit &visit)
{
    auto *content = new QWidget;
    auto *layout = new QVBoxLayout(content);
    auto *group = new QGroupBox(QStringLiteral("Heading"));
    (new QVBoxLayout(group))->addWidget(new RotateAnimLabel(QString(), nullptr));
    layout->addWidget(group);
    layout->addWidget(new QPushButton(QStringLiteral("Start")));
    inWindow(content, visit);
}

// Check boxes added before the labels, which still show above them.
void openMessageBox(const Visit &visit)
{
    TarnMsgBox box(QString(), QStringLiteral("Tarn"), QStringLiteral("Update now?"), nullptr);
    box.addCheckbox(QStringLiteral("Back up first"), true);
    box.addCheckbox(QStringLiteral("Install by themselves"), false);
    box.addLabel(QStringLiteral("Instances restart."), false);
    box.addLabel(kLink, false);
    box.addButtonSlot(
        QStringLiteral("Release notes"), [] {}, false);
    box.addButton(QStringLiteral("Install"), true);
    box.show();
    visit(&box);
}

// Esc belongs to Back by default, so a capture of it elsewhere is refused with the notice.
void openConflictNotice(const Visit &visit)
{
    ShortCutEdit edit(nullptr, QString());
    edit.setIndex(ShortCutsManager::Screenshot);
    QTimer::singleShot(0, &edit, [&visit] {
        if (QWidget *notice = QApplication::activeModalWidget()) {
            visit(notice);
            notice->close();
        }
    });
    QTest::keyClick(&edit, Qt::Key_Escape);
}

void openShortcutPage(const Visit &visit)
{
    inWindow(new ShortCuts(nullptr, nullptr), visit);
}

void openAddressEditor(const Visit &visit)
{
    TarnIpAddrEdit editor(nullptr);
    editor.setText(QStringLiteral("192.168.1.20"));
    editor.show();
    visit(&editor);
}

bool operable(QAccessibleInterface *node)
{
    static const QSet<QAccessible::Role> roles { QAccessible::EditableText, QAccessible::CheckBox,
                                                 QAccessible::PushButton,   QAccessible::ComboBox,
                                                 QAccessible::List,         QAccessible::Link };
    // A label whose links Tab reaches is operated like a link.
    return roles.contains(node->role())
        || (node->role() == QAccessible::StaticText && node->state().focusable);
}

// Whether b starts on a later line than a, or on the same line further right.
bool readsAfter(const QRect &a, const QRect &b)
{
    const bool sameLine = b.top() <= a.bottom() && a.top() <= b.bottom();
    return sameLine ? b.left() > a.left() : b.top() > a.top();
}

// What a screen reader meets in a window: every node in reading order as "Class name|description",
// the operable controls without a name, and the shown leaves that come before what they follow.
struct Reading
{
    bool shown = false;
    QStringList spoken, unnamed, outOfOrder;
    QAccessibleInterface *previousLeaf = nullptr;

    void walk(QAccessibleInterface *node)
    {
        const QString name = node->text(QAccessible::Name);
        const QString said = QLatin1String(node->object()->metaObject()->className()) + ' ' + name;
        spoken << said + '|' + node->text(QAccessible::Description);
        if (operable(node) && name.trimmed().isEmpty())
            unnamed << said;
        const bool leaf = node->childCount() == 0 && !node->state().invisible;
        if (leaf && !node->rect().isEmpty()) {
            if (previousLeaf && !readsAfter(previousLeaf->rect(), node->rect()))
                outOfOrder << previousLeaf->text(QAccessible::Name) + " before " + said;
            previousLeaf = node;
        }
        for (int i = 0; i < node->childCount(); ++i)
            walk(node->child(i));
    }
};

} // namespace

Q_DECLARE_METATYPE(Opener)

class TestAccessibility : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QList<QUrl> m_opened;

public Q_SLOTS:
    void openLink(const QUrl &url) { m_opened.append(url); }

private Q_SLOTS:
    void initTestCase()
    {
        TarnLibTesting::setConfigPath(m_dir.filePath(QStringLiteral("tarn.ini")));
        QVERIFY(loadTarnUILibTranslation(QLocale(QStringLiteral("en"))));
        QDesktopServices::setUrlHandler(QStringLiteral("tarn"), this, "openLink");
    }

    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("tarn")); }

    // Every operable control has a name and the leaves read in screen order (not on the page,
    // whose two columns are read one after the other); spoken: nodes as a screen reader speaks
    // them, "Class name|description".
    void everyControlNamedAndSpokenInScreenOrder_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<bool>("byLines");
        QTest::addColumn<QStringList>("spoken");
        const QString captures = QStringLiteral("|Press a key combination to make it the shortcut");
        QTest::newRow("dialog: the rotating label, not its group's title")
            << &openDialog << true << QStringList { "RotateAnimLabel Loading|" };
        QTest::newRow("message box: check boxes under later labels, the link by its text")
            << &openMessageBox << true << QStringList { "QLabel What is new|" };
        QTest::newRow("conflict notice")
            << &openConflictNotice << true << QStringList { "QPushButton OK|" };
        QTest::newRow("shortcut page: first and last rows")
            << &openShortcutPage << false
            << QStringList { "ShortCutEdit Boss key" + captures, "QCheckBox Enable Recent apps|",
                             "ShortCutEdit Recent apps" + captures };
        QTest::newRow("address editor: dots between the octets")
            << &openAddressEditor << true
            << QStringList { "TarnIpPartLineEdit IPv4 address, part 1 of 4|",
                             "TarnIpPartLineEdit IPv4 address, part 4 of 4|" };
    }

    void everyControlNamedAndSpokenInScreenOrder()
    {
        QFETCH(Opener, open);
        QFETCH(bool, byLines);
        QFETCH(QStringList, spoken);
        Reading reading;
        open([&reading](QWidget *window) {
            reading.shown = true;
            reading.walk(QAccessible::queryAccessibleInterface(window));
        });
        QVERIFY(reading.shown);
        QCOMPARE(reading.unnamed, QStringList());
        if (byLines)
            QCOMPARE(reading.outOfOrder, QStringList());
        for (const QString &said : spoken)
            QVERIFY2(reading.spoken.contains(said), qPrintable(reading.spoken.join(", ")));
    }

    // A link in the message or in an extra label: Tab reaches it and Enter opens it.
    void linkReachedWithTabOpenedWithEnter_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("label");
        QTest::newRow("in an extra label") << "Update now?" << kLink;
        QTest::newRow("in the message") << kLink << "Instances restart.";
    }

    void linkReachedWithTabOpenedWithEnter()
    {
        QFETCH(QString, message);
        QFETCH(QString, label);
        TarnMsgBox box(QStringLiteral("Tarn"), message, nullptr);
        box.addLabel(label, true);
        box.addButton(QStringLiteral("Later"), false);
        box.show();
        QApplication::setActiveWindow(&box);
        QVERIFY(QTest::qWaitForWindowActive(&box));
        const auto focused = [] {
            return qobject_cast<QLabel *>(QApplication::focusWidget());
        };
        for (int tabs = 0; tabs < 8 && !(focused() && focused()->text() == kLink); ++tabs)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QLabel *link = focused();
        QVERIFY(link && link->text() == kLink);
        m_opened.clear();
        QTest::keyClick(link, Qt::Key_Return);
        QCOMPARE(m_opened, QList<QUrl>({ QUrl(QStringLiteral("tarn:new")) }));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
