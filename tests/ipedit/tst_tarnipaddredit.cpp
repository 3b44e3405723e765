// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarnoctetvalidator_p.h"
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
        QTest::newRow("pasted 1234 cut to three digits")
            << "Backspace,Ctrl+V" << 1 << "130.123.3.25" << 2 << "3" << -1;
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

    // Tab goes from each part to the next; the parts are plain (no box of their own: the base
    // colour reaches their edges); no part before the first or after the fourth. Where the
    // parts and dots sit is in the accessibility test's expected files.
    void partsInTabOrderPlain()
    {
        TarnIpAddrEdit edit;
        edit.show();
        for (int i = 0; i < 3; ++i) {
            QWidget *left = edit.getPartEdit(i), *right = edit.getPartEdit(i + 1);
            QCOMPARE(left->nextInFocusChain(), right);
            const QImage image = left->grab().toImage();
            const int middle = image.height() / 2;
            QCOMPARE(image.pixel(0, middle), image.pixel(image.width() / 4, middle));
        }
        QVERIFY(!edit.getPartEdit(-1) && !edit.getPartEdit(4));
        // An empty part shows a caret once it has the focus.
        QVERIFY(QTest::qWaitForWindowActive(&edit));
        QWidget *part = edit.getPartEdit(3);
        const QImage unfocused = part->grab().toImage();
        part->setFocus();
        QVERIFY(part->grab().toImage() != unfocused);
    }

    // A whole address or a part given by the host, not a user's edit: only a complete address
    // is taken, and a refused one leaves the editor empty; a refused part keeps the old one.
    void setTextAcceptsOnlyCompleteAddresses_data()
    {
        QTest::addColumn<int>("part"); // the part given the input, -1 for the whole address
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("address"); // after replacing 1.2.3.4
        QTest::newRow("leading zero kept") << -1 << "0.2.255.09"
                                           << "0.2.255.09";
        QTest::newRow("256") << -1 << "256.1.1.1"
                             << "...";
        QTest::newRow("three octets") << -1 << "1.2.3"
                                      << "...";
        QTest::newRow("Arabic-Indic digits") << -1 << "١.٢.٣.٤"
                                             << "...";
        QTest::newRow("last octet in Arabic-Indic digits") << -1 << "1.1.1.١٢"
                                                           << "...";
        QTest::newRow("256 into part 2") << 1 << "256"
                                         << "1.2.3.4";
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

    // The pattern that reads whole addresses takes the same strings on Qt 5 (QRegExp) and Qt 6
    // (QRegularExpression): ASCII digits only, none of the other scripts QRegExp's \d takes.
    void addressPatternTakesAsciiDigitsOnlyOnBothMajors_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("acceptable");
        QTest::newRow("ASCII, leading zero") << "255.249.0.09" << true;
        QTest::newRow("256") << "256.1.1.1" << false;
        QTest::newRow("Arabic-Indic") << "١٩.٢.٣.٤" << false;
        QTest::newRow("ASCII 1 before Devanagari") << "1९९.1.1.1" << false;
        QTest::newRow("fullwidth") << "１.２.３.４" << false;
        QTest::newRow("digit above U+FFFF") << "𝟏.2.3.4" << false;
        QTest::newRow("superscript") << "¹.2.3.4" << false;
    }
    void addressPatternTakesAsciiDigitsOnlyOnBothMajors()
    {
        QFETCH(QString, input);
        const TarnAddressValidator validator { TarnOctetValidator::addressPattern() };
        int position = 0;
        QTEST(validator.validate(input, position) == QValidator::Acceptable, "acceptable");
    }
};

QTEST_MAIN(TstTarnIpAddrEdit)
#include "tst_tarnipaddredit.moc"
