// SPDX-License-Identifier: LGPL-2.1-or-later
#include <TarnUILib/TarnUILib.h>

#include <QtTest>
#include <QtWidgets>

#include <functional>

// What a screen reader meets in every window the library builds, in English, and where each
// thing sits in the window.
namespace {
using Visit = std::function<void(QWidget *)>;
// Shows one of the library's windows and hands it to the visit while it is on the screen.
using Opener = void (*)(const Visit &);

// A frameless window holding content, shown while visited.
void inWindow(QWidget *content, const Visit &visit)
{
    TarnBaseDialog window(nullptr, QStringLiteral("Tarn"), 1);
    (new QVBoxLayout(window.findChild<QWidget *>("frame-content-widget")))->addWidget(content);
    window.show();
    visit(&window);
}

// A 96 x 96 red square, written once.
QString redSquare()
{
    static QTemporaryDir dir;
    const QString icon = dir.filePath(QStringLiteral("96x96.png"));
    QImage image(96, 96, QImage::Format_ARGB32);
    image.fill(Qt::red);
    return image.save(icon) ? icon : QString();
}

// Check boxes added before the labels, which still show above them; stretches and a spacing
// as a host adds them; a message icon taken away leaves the box looking as if it had never
// been set.
void openMessageBox(const Visit &visit)
{
    TarnMsgBox box(QStringLiteral("Tarn"),
                   QStringLiteral("A new version is ready. Update now, or when Tarn next starts?"),
                   nullptr);
    box.setMessageIcon(redSquare());
    box.setMessageIcon(QString());
    box.addCheckbox(QStringLiteral("Back up first"), true);
    box.addCheckbox(QStringLiteral("Install by themselves"), false);
    box.addChkboxStretch(1);
    box.addLabel(QStringLiteral("Instances restart."), false);
    box.addSecondaryTextSpacing(6);
    box.addLabel(QStringLiteral("<a href=\"tarn:new\">What is new</a>"), true);
    box.addButtonSlot(
        QStringLiteral("Release notes"), [] {}, false);
    box.addBtnStretch(1);
    box.addButton(QStringLiteral("Install"), true);
    box.show();
    visit(&box);
}

// Both icons: the title's scales, the message's does not; labels beside an icon align left, at
// the top of an icon taller than them. A box given a title icon has a greatest width.
void openMessageBoxWithIcons(const Visit &visit)
{
    TarnMsgBox box(redSquare(), QStringLiteral("Tarn"), QStringLiteral("A new version is ready."),
                   nullptr);
    box.setMessageIcon(redSquare());
    box.addLabel(QStringLiteral("Instances restart."), false);
    box.addCheckbox(QStringLiteral("Back up first"), true);
    box.addButton(QStringLiteral("Later"), false);
    box.addButton(QStringLiteral("Install"), true);
    box.show();
    visit(&box);
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

// A window as a screen reader meets it: each node in the order read, with its role, class, name,
// object name (a style sheet's hook), description, value, state, place in the window (a hidden
// node's is not seen), whether a label opens its links and, for a label or a field, its text's
// alignment; the controls Tab reaches without a name.
struct Reading
{
    QRect window;
    QStringList seen, unnamed;

    void walk(QAccessibleInterface *node, int depth = 0)
    {
        const QAccessible::State state = node->state();
        const QString name = node->text(QAccessible::Name);
        const QString said = QLatin1String(node->object()->metaObject()->className()) + ' ' + name;
        const QRect rect = node->rect().translated(-window.topLeft());
        const QString place = state.invisible ? QStringLiteral("hidden")
                                              : QStringLiteral("%1,%2 %3x%4")
                                                    .arg(rect.x())
                                                    .arg(rect.y())
                                                    .arg(rect.width())
                                                    .arg(rect.height());
        seen << QStringLiteral("%1%2 %3#%4|%5| \"%6\" %7")
                    .arg(QString(depth * 2, ' '),
                         QMetaEnum::fromType<QAccessible::Role>().valueToKey(node->role()), said,
                         node->object()->objectName(), node->text(QAccessible::Description),
                         node->text(QAccessible::Value), place)
                + (state.checked        ? " checked"
                       : state.readOnly ? " read-only"
                                        : "")
                + (state.disabled ? " disabled" : "") + (state.focusable ? " focusable" : "");
        if (node->object()->property("openExternalLinks").toBool())
            seen.last() += QStringLiteral(" opens links");
        const QVariant alignment = node->object()->property("alignment");
        if (alignment.isValid())
            seen.last() += QStringLiteral(" aligned 0x%1").arg(alignment.toInt(), 0, 16);
        if (state.focusable && node->childCount() == 0 && name.trimmed().isEmpty())
            unnamed << said;
        for (int i = 0; i < node->childCount(); ++i)
            walk(node->child(i), depth + 1);
    }
};

// Places and alignments hold for the fonts and screen they were measured with: offscreen on Linux.
QStringList withoutPlaces(const QStringList &lines)
{
    static const QRegularExpression place(QStringLiteral(" -?\\d+,-?\\d+ \\d+x\\d+| aligned \\w+"));
    return QStringList(lines).replaceInStrings(place, QString());
}

} // namespace

Q_DECLARE_METATYPE(Opener)

class TestAccessibility : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path()));
        QVERIFY(loadTarnUILibTranslation(QLocale(QStringLiteral("en"))));
    }

    // What Tab reaches has a name, and the window is as the file under expected/ of the row's
    // name, which pins the screen order too; TARN_WRITE_EXPECTED=1 writes the files anew, to be
    // read over before they are committed.
    void everyControlNamedInScreenOrderAsExpected_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<double>("scale");
        const std::pair<const char *, Opener> windows[] {
            { "message box", &openMessageBox },
            { "message box with icons", &openMessageBoxWithIcons },
            { "shortcut page", &openShortcutPage },
            { "address editor", &openAddressEditor },
        };
        for (const auto &[name, open] : windows)
            for (const double scale : { 1.0, 1.5 })
                QTest::addRow("%s at %g", name, scale) << open << scale;
    }

    void everyControlNamedInScreenOrderAsExpected()
    {
        QFETCH(Opener, open);
        QFETCH(double, scale);
        Reading reading;
        gScale = scale;
        open([&reading](QWidget *window) {
            if (QTest::qWaitForWindowExposed(window))
                reading.window = window->geometry();
            reading.walk(QAccessible::queryAccessibleInterface(window));
        });
        gScale = 1;
        QVERIFY(!reading.window.isNull());
        QCOMPARE(reading.unnamed, QStringList());
        QFile file(QStringLiteral(TARN_EXPECTED_DIR "/%1.txt").arg(QTest::currentDataTag()));
        if (qEnvironmentVariableIsSet("TARN_WRITE_EXPECTED")) {
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Text));
            file.write(reading.seen.join('\n').toUtf8() + '\n');
            return;
        }
        QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file.fileName()));
        const QStringList expected =
            QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
#ifndef Q_OS_WIN
        if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
            QCOMPARE(reading.seen, expected);
            return;
        }
#endif
        QCOMPARE(withoutPlaces(reading.seen), withoutPlaces(expected));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
