// SPDX-License-Identifier: LGPL-2.1-or-later
#include <TarnUILib/TarnUILib.h>

#include <QtTest>

class TstTarnIpAddrEdit : public QObject
{
    Q_OBJECT

private slots:
    void typingAdvancesAndRefusesOutOfRangeOctets_data()
    {
        // Key presses, from the field "start" of 130.2.3.25, each sent to the field with the focus.
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("focus");
        QTest::addColumn<QString>("selected"); // in the field with the focus
        QTest::newRow("third digit advances") << "1,9,2" << 0 << "192.2.3.25" << 1 << "2";
        QTest::newRow("26 advances") << "2,6" << 0 << "26.2.3.25" << 1 << "2";
        QTest::newRow("25 stays") << "2,5" << 0 << "25.2.3.25" << 0 << "";
        QTest::newRow("deleting the 1 of 130") << "Home,Del" << 0 << "30.2.3.25" << 1 << "2";
        QTest::newRow("dot in emptied part 2") << "Backspace,." << 1 << "130..3.25" << 2 << "3";
        QTest::newRow("dot in part 4 stays") << "End,." << 3 << "130.2.3.25" << 3 << "";
        QTest::newRow("digits past 255 refused") << "Home,3,End,6" << 3 << "130.2.3.25" << 3 << "";
        QTest::newRow("fourth character refused") << "0,0,0,1" << 3 << "130.2.3.000" << 3 << "";
        QTest::newRow("tab and shift tab") << "Tab,Tab,Shift+Tab" << 1 << "130.2.3.25" << 2 << "3";
    }
    void typingAdvancesAndRefusesOutOfRangeOctets()
    {
        QFETCH(QString, keys);
        QFETCH(int, start);
        QFETCH(int, focus);
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
    }

    void setTextAcceptsOnlyCompleteAddresses_data()
    {
        QTest::addColumn<QString>("input");
        // The textChanged values when replacing 1.2.3.4: one per changed field, in field order.
        QTest::addColumn<QString>("changes");
        const QString cleared = ".2.3.4 ..3.4 ...4 ...";
        QTest::newRow("leading zero") << "0.2.255.09" << QString("0.2.3.4 0.2.255.4 0.2.255.09");
        QTest::newRow("256") << "256.1.1.1" << cleared;
        QTest::newRow("three octets") << "1.2.3" << cleared;
        QTest::newRow("leading space") << " 1.2.3.4" << cleared;
        QTest::newRow("trailing space") << "1.2.3.4 " << cleared;
        QTest::newRow("trailing dot") << "1.2.3.4." << cleared;
        QTest::newRow("letters") << "a.b.c.d" << cleared;
        QTest::newRow("empty") << "" << cleared;
    }
    void setTextAcceptsOnlyCompleteAddresses()
    {
        QFETCH(QString, input);
        QFETCH(QString, changes);
        TarnIpAddrEdit edit;
        edit.setText("1.2.3.4");
        QStringList seen;
        connect(&edit, &TarnIpAddrEdit::textChanged, [&](const QString &t) { seen << t; });
        connect(&edit, &TarnIpAddrEdit::textEdited, [&] { seen << "edited"; });
        edit.setText(input);
        QCOMPARE(seen.join(' '), changes);
        QCOMPARE(edit.isIpValid(), !changes.endsWith("..."));
    }

    void isIpValidRecordsFirstFailingPart_data()
    {
        QTest::addColumn<QString>("fields"); // joined by dots
        QTest::addColumn<int>("index");
        QTest::newRow("part 1 empty") << ".1.1.1" << 0;
        QTest::newRow("part 2 above 255") << "1.256.1.1" << 1;
        QTest::newRow("part 3 letter") << "1.1.x.1" << 2;
        QTest::newRow("part 4 negative") << "1.1.1.-1" << 3;
        QTest::newRow("first of several") << "1.x..999" << 1;
    }
    void isIpValidRecordsFirstFailingPart()
    {
        QFETCH(QString, fields);
        QFETCH(int, index);
        TarnIpAddrEdit edit;
        QCOMPARE(edit.invalidPartIndex(), -1);
        for (int i = 0; i < 4; ++i)
            edit.getPartEdit(i)->setText(fields.section('.', i, i));
        QVERIFY(!edit.isIpValid());
        QCOMPARE(edit.invalidPartIndex(), index);
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
