// SPDX-License-Identifier: LGPL-2.1-or-later
#include <TarnUILib/TarnUILib.h>

#include <QClipboard>
#include <QMimeData>
#include <QtTest>

class TstTarnIpAddrEdit : public QObject
{
    Q_OBJECT

private slots:
    void typingAdvancesRefusesAndRecordsFailingPart_data()
    {
        // Keys pressed in turn, starting in field "start" of 130.2.3.25, each sent to the field
        // with the focus; afterwards the address, the field with the focus and its selection.
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("focus");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("invalidPart"); // recorded by isIpValid(); -1: valid
        QTest::newRow("third digit advances") << "1,9,2" << 0 << "192.2.3.25" << 1 << "2" << -1;
        QTest::newRow("26 advances") << "2,6" << 0 << "26.2.3.25" << 1 << "2" << -1;
        QTest::newRow("25 stays") << "2,5" << 0 << "25.2.3.25" << 0 << "" << -1;
        QTest::newRow("deleting the 1 of 130") << "Home,Del" << 0 << "30.2.3.25" << 1 << "2" << -1;
        QTest::newRow("dot, emptied part 2") << "Backspace,." << 1 << "130..3.25" << 2 << "3" << 1;
        QTest::newRow("dot in part 4 stays") << "End,." << 3 << "130.2.3.25" << 3 << "" << -1;
        QTest::newRow("255 in part 4") << "End,5" << 3 << "130.2.3.255" << 3 << "" << -1;
        QTest::newRow("tabs") << "Tab,Tab,Shift+Tab" << 1 << "130.2.3.25" << 2 << "3" << -1;
    }
    void typingAdvancesRefusesAndRecordsFailingPart()
    {
        QFETCH(int, start);
        QFETCH(QString, keys);
        QFETCH(int, focus);
        QFETCH(int, invalidPart);
        TarnIpAddrEdit edit;
        edit.setText("130.2.3.25");
        edit.show();
        QVERIFY(QTest::qWaitForWindowActive(&edit));
        edit.getPartEdit(start)->setFocus();
        QSignalSpy changed(&edit, &TarnIpAddrEdit::textChanged);
        QSignalSpy edited(&edit, &TarnIpAddrEdit::textEdited);
        QTest::keySequence(static_cast<QWidget *>(nullptr), QKeySequence(keys)); // to the focus
        QTEST(edit.text(), "address");
        QCOMPARE(QApplication::focusWidget(), edit.getPartEdit(focus));
        QTEST(edit.getPartEdit(focus)->selectedText(), "selected");
        QCOMPARE(changed, edited); // every change by typing is also an edit, with the whole address
        QCOMPARE(edit.isIpValid(), invalidPart == -1);
        QCOMPARE(edit.invalidPartIndex(), invalidPart);
    }

    void setTextAcceptsOnlyCompleteAddresses_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QStringList>("changes"); // textChanged when replacing 1.2.3.4, in order
        const QStringList cleared { ".2.3.4", "..3.4", "...4", "..." }; // one field at a time
        QTest::newRow("leading zero kept")
            << "0.2.255.09" << QStringList { "0.2.3.4", "0.2.255.4", "0.2.255.09" };
        QTest::newRow("256") << "256.1.1.1" << cleared;
        QTest::newRow("three octets") << "1.2.3" << cleared;
    }
    void setTextAcceptsOnlyCompleteAddresses()
    {
        QFETCH(QString, input);
        TarnIpAddrEdit edit;
        edit.setText("1.2.3.4");
        QSignalSpy edited(&edit, &TarnIpAddrEdit::textEdited);
        QStringList changes;
        connect(&edit, &TarnIpAddrEdit::textChanged, [&](const QString &t) { changes << t; });
        edit.setText(input);
        QTEST(changes, "changes");
        QCOMPARE(edited.count(), 0); // not a user edit
    }

    void octetRefusesAbove255WhateverTheWayIn_data()
    {
        // Field 1 holds "before" with the caret at the end; "input" arrives by "way".
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("after");
        const auto row = [](const char *name, const char *before, const char *way,
                            const char *input, const char *after) {
            QTest::newRow(name) << QString(before) << QString(way) << QString(input)
                                << QString(after);
        };
        row("typed third digit", "30", "type", "0", "30");
        row("pasted into empty", "", "paste", "300", "");
        row("pasted behind a digit", "3", "paste", "99", "3");
        row("pasted 255 kept", "", "paste", "255", "255");
        row("dropped", "", "drop", "999", "");
        row("set by program", "12", "set", "300", "12");
        row("set by program, then undone", "12", "set undo", "256", "12");
    }
    void octetRefusesAbove255WhateverTheWayIn()
    {
        QFETCH(QString, way);
        QFETCH(QString, input);
        TarnIpAddrEdit edit;
        QLineEdit *part = edit.getPartEdit(1);
        QFETCH(QString, before);
        part->setText(before);
        QApplication::clipboard()->setText(input);
        if (way == "type") {
            QTest::keyClicks(part, input);
        } else if (way == "paste") {
            part->paste();
        } else if (way == "drop") {
            QMimeData data;
            data.setText(input);
            QDropEvent drop(part->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(part, &drop);
        } else {
            part->setText(input);
            if (way.endsWith("undo"))
                part->undo();
        }
        QTEST(part->text(), "after");
        QCOMPARE(edit.text(), "." + part->text() + "..");
    }

    void styleSheetReachesOctetsButNotDots()
    {
        TarnIpAddrEdit edit;
        edit.setStyleSheet("* { color: red; }");
        edit.ensurePolished();
        for (const QWidget *w : edit.findChildren<QWidget *>())
            QCOMPARE(w->palette().text().color() == Qt::red, w->inherits("TarnIpPartLineEdit"));
    }
};

QTEST_MAIN(TstTarnIpAddrEdit)
#include "tst_tarnipaddredit.moc"
