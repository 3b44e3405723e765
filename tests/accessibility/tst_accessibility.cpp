// SPDX-License-Identifier: LGPL-2.1-or-later
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

void openDialog(const Visit &visit)
{
    TarnBaseDialog dialog(nullptr, QStringLiteral("Tarn"), 1);
    dialog.show();
    visit(&dialog);
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
    TarnBaseDialog window(nullptr, QStringLiteral("Tarn"), 1);
    auto *layout = new QVBoxLayout(window.findChild<QWidget *>("frame-content-widget"));
    layout->addWidget(new ShortCuts(&window, nullptr));
    window.show();
    visit(&window);
}

void openAddressEditor(const Visit &visit)
{
    TarnIpAddrEdit editor(nullptr);
    editor.setText(QStringLiteral("192.168.1.20"));
    editor.show();
    visit(&editor);
}

void openRotatingLabel(const Visit &visit)
{
    QGroupBox group(QStringLiteral("Heading"));
    auto *label = new RotateAnimLabel(QString(), &group);
    label->setGeometry(10, 30, 40, 40);
    group.show();
    visit(&group);
}

// Every node under root, in the order a screen reader reads them.
void walk(QAccessibleInterface *root, const std::function<void(QAccessibleInterface *)> &f)
{
    f(root);
    for (int i = 0; i < root->childCount(); ++i)
        walk(root->child(i), f);
}

QString describe(QAccessibleInterface *node)
{
    return QStringLiteral("%1 \"%2\"")
        .arg(node->object()->metaObject()->className(), node->text(QAccessible::Name));
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
        setTarnConfigPath(m_dir.filePath(QStringLiteral("tarn.ini")));
        QVERIFY(loadTarnUILibTranslation(QLocale(QStringLiteral("en"))));
        QDesktopServices::setUrlHandler(QStringLiteral("tarn"), this, "openLink");
    }

    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("tarn")); }

    void everyOperableControlIsNamed_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::newRow("dialog with its title bar") << &openDialog;
        QTest::newRow("message box") << &openMessageBox;
        QTest::newRow("conflict notice") << &openConflictNotice;
        QTest::newRow("shortcut page") << &openShortcutPage;
        QTest::newRow("address editor") << &openAddressEditor;
    }

    void everyOperableControlIsNamed()
    {
        QFETCH(Opener, open);
        QStringList unnamed { QStringLiteral("window never shown") }, operated;
        open([&](QWidget *window) {
            unnamed.clear();
            walk(QAccessible::queryAccessibleInterface(window), [&](QAccessibleInterface *node) {
                if (!operable(node))
                    return;
                operated << describe(node);
                if (node->text(QAccessible::Name).trimmed().isEmpty())
                    unnamed << describe(node);
            });
        });
        QCOMPARE(unnamed, QStringList());
        QVERIFY2(operated.size() > 1, qPrintable(operated.join(", ")));
    }

    // The nth node of a class in reading order, as a screen reader speaks it.
    void spokenTexts_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<QString>("className");
        QTest::addColumn<int>("nth");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        const QString captures = QStringLiteral("Press a key combination to make it the shortcut");
        QTest::newRow("first octet")
            << &openAddressEditor << "TarnIpPartLineEdit" << 0 << "IPv4 address, part 1 of 4"
            << "";
        QTest::newRow("last octet")
            << &openAddressEditor << "TarnIpPartLineEdit" << 3 << "IPv4 address, part 4 of 4"
            << "";
        QTest::newRow("boss key box") << &openShortcutPage << "QCheckBox" << 0 << "Enable Boss key"
                                      << "";
        QTest::newRow("boss key field")
            << &openShortcutPage << "ShortCutEdit" << 0 << "Boss key" << captures;
        QTest::newRow("last row's box, right column")
            << &openShortcutPage << "QCheckBox" << 10 << "Enable Recent apps"
            << "";
        QTest::newRow("last row's field, right column")
            << &openShortcutPage << "ShortCutEdit" << 10 << "Recent apps" << captures;
        QTest::newRow("notice's button") << &openConflictNotice << "QPushButton" << 0 << "OK"
                                         << "";
        QTest::newRow("link") << &openMessageBox << "QLabel" << 5 << "What is new"
                              << "";
        QTest::newRow("rotating label, not its group's title")
            << &openRotatingLabel << "RotateAnimLabel" << 0 << "Loading"
            << "";
    }

    void spokenTexts()
    {
        QFETCH(Opener, open);
        QFETCH(QString, className);
        QFETCH(int, nth);
        QStringList spoken;
        open([&](QWidget *window) {
            walk(QAccessible::queryAccessibleInterface(window), [&](QAccessibleInterface *node) {
                if (className == QLatin1String(node->object()->metaObject()->className()))
                    spoken << node->text(QAccessible::Name) + '|'
                            + node->text(QAccessible::Description);
            });
        });
        QVERIFY2(nth < spoken.size(), qPrintable(spoken.join(", ")));
        QFETCH(QString, name);
        QFETCH(QString, description);
        QCOMPARE(spoken[nth], name + '|' + description);
    }

    // Each shown node with nothing inside it reads after the one before: on a later line, or on
    // the same line further right.
    void readingOrderFollowsScreen_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::newRow("address editor: dots between the octets") << &openAddressEditor;
        QTest::newRow("message box: check boxes under later labels") << &openMessageBox;
        QTest::newRow("dialog with its title bar") << &openDialog;
    }

    void readingOrderFollowsScreen()
    {
        QFETCH(Opener, open);
        QStringList outOfOrder { QStringLiteral("window never shown") };
        open([&](QWidget *window) {
            outOfOrder.clear();
            QAccessibleInterface *previous = nullptr;
            walk(QAccessible::queryAccessibleInterface(window), [&](QAccessibleInterface *node) {
                if (node->childCount() > 0 || node->state().invisible || node->rect().isEmpty())
                    return;
                if (previous && !readsAfter(previous->rect(), node->rect()))
                    outOfOrder << describe(previous) + " before " + describe(node);
                previous = node;
            });
        });
        QCOMPARE(outOfOrder, QStringList());
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
        const QList<QLabel *> labels = box.findChildren<QLabel *>();
        QLabel *link = *std::find_if(labels.begin(), labels.end(),
                                     [](QLabel *l) { return l->text() == kLink; });
        QStringList visited;
        for (int tabs = 0; tabs < 8 && QApplication::focusWidget() != link; ++tabs) {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &box,
                            Qt::Key_Tab);
            visited << describe(QAccessible::queryAccessibleInterface(QApplication::focusWidget()));
        }
        QVERIFY2(QApplication::focusWidget() == link, qPrintable(visited.join(", ")));
        m_opened.clear();
        QTest::keyClick(link, Qt::Key_Return);
        QCOMPARE(m_opened, QList<QUrl>({ QUrl(QStringLiteral("tarn:new")) }));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
