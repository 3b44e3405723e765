// SPDX-License-Identifier: LGPL-2.1-or-later
#include <TarnUILib/TarnUILib.h>

#include <QtTest>
#include <QtWidgets>

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
        QTest::addColumn<int>("invalidPart"); // recorded by isIpValid(); -1 as it starts
        QTest::newRow("third digit advances") << "1,9,2" << 0 << "192.2.3.25" << 1 << "2" << -1;
        QTest::newRow("26 advances") << "2,6" << 0 << "26.2.3.25" << 1 << "2" << -1;
        QTest::newRow("third part advances") << "2,6" << 2 << "130.2.26.25" << 3 << "25" << -1;
        QTest::newRow("25 stays") << "2,5" << 0 << "25.2.3.25" << 0 << "" << -1;
        QTest::newRow("dot, emptied part 2") << "Backspace,." << 1 << "130..3.25" << 2 << "3" << 1;
        QTest::newRow("dot in part 4 stays") << "End,." << 3 << "130.2.3.25" << 3 << "" << -1;
        QTest::newRow("0 is an octet") << "0" << 1 << "130.0.3.25" << 1 << "" << -1;
        QTest::newRow("255 in part 4") << "End,5" << 3 << "130.2.3.255" << 3 << "" << -1;
        QTest::newRow("256 refused in part 4") << "End,6" << 3 << "130.2.3.25" << 3 << "" << -1;
        QTest::newRow("paste: 123") << "Backspace,Ctrl+V" << 1 << "130.123.3.25" << 2 << "3" << -1;
    }
    void typingAdvancesRefusesAndRecordsFailingPart()
    {
        QFETCH(int, start);
        QFETCH(QString, keys);
        QFETCH(int, focus);
        QFETCH(int, invalidPart);
        QGuiApplication::clipboard()->setText("1234");
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
        // What the keystroke refuses, QIntValidator(0, 255) would let through as Intermediate.
        auto *validator = qobject_cast<const QIntValidator *>(edit.getPartEdit(start)->validator());
        QCOMPARE(QPoint(validator->bottom(), validator->top()), QPoint(0, 255));
    }

    // A whole address or a part given by the host, not a user's edit: only a complete address
    // is taken, and a refused one leaves the editor empty; a refused part keeps the old one.
    // Digits of other scripts, which QRegExp's \d takes, are refused on Qt 5 and Qt 6 alike.
    void setTextAcceptsOnlyCompleteAddresses_data()
    {
        QTest::addColumn<int>("part"); // the part given the input, -1 for the whole address
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("address"); // after replacing 1.2.3.4
        const auto row = [](const char *tag, int part, const char *input, const char *address) {
            QTest::newRow(tag) << part << QString::fromUtf8(input) << QString(address);
        };
        row("leading zero kept", -1, "255.249.0.09", "255.249.0.09");
        row("256", -1, "256.1.1.1", "...");
        row("three octets", -1, "1.2.3", "...");
        row("Arabic-Indic digits", -1, "١.٢.٣.٤", "...");
        row("last octet in Arabic-Indic digits", -1, "1.1.1.١٢", "...");
        row("ASCII 1 before Devanagari", -1, "1९९.1.1.1", "...");
        row("fullwidth", -1, "１.２.３.４", "...");
        row("digit above U+FFFF", -1, "𝟏.2.3.4", "...");
        row("superscript", -1, "¹.2.3.4", "...");
        row("256 into part 2", 1, "256", "1.2.3.4");
    }
    void setTextAcceptsOnlyCompleteAddresses()
    {
        QFETCH(int, part);
        QFETCH(QString, input);
        TarnIpAddrEdit edit;
        edit.setText("1.2.3.4");
        QSignalSpy edited(&edit, &TarnIpAddrEdit::textEdited);
        if (part < 0)
            edit.setText(input);
        else
            edit.getPartEdit(part)->setText(input);
        QTEST(edit.text(), "address");
        QCOMPARE(edited.count(), 0);
    }
};

QTEST_MAIN(TstTarnIpAddrEdit)
#include "tst_tarnipaddredit.moc"
