// SPDX-License-Identifier: LGPL-2.1-or-later
#include <TarnUILib/TarnUILib.h>

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTestEventList>

class TstTarnIpAddrEdit : public QObject
{
    Q_OBJECT

private slots:
    void typingMovesFocusAndRefusesOutOfRangeOctets_data();
    void typingMovesFocusAndRefusesOutOfRangeOctets();
    void setTextAcceptsOnlyCompleteAddresses_data();
    void setTextAcceptsOnlyCompleteAddresses();
    void isIpValidRecordsFirstFailingPart_data();
    void isIpValidRecordsFirstFailingPart();
    void fieldsShareExtraWidthAroundThePixelSpacedDots();
    void styleSheetReachesOctetsButNotDots();
};

// Presses the given keys, then types the given characters, into whichever field has the focus.
static QTestEventList keys(std::initializer_list<Qt::Key> presses, const QString &typed = QString())
{
    QTestEventList events;
    for (const Qt::Key key : presses)
        events.addKeyClick(key);
    events.addKeyClicks(typed);
    return events;
}

static QStringList texts(const QSignalSpy &spy)
{
    QStringList result;
    for (const auto &args : spy)
        result << args.at(0).toString();
    return result;
}

void TstTarnIpAddrEdit::typingMovesFocusAndRefusesOutOfRangeOctets_data()
{
    QTest::addColumn<QString>("initial");
    QTest::addColumn<int>("startPart");
    QTest::addColumn<QTestEventList>("events");
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("focusPart");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QStringList>("edited");

    QTest::newRow("third digit advances with next part selected")
        << "0.168.1.1" << 0 << keys({}, "192") << "192.168.1.1" << 1 << "168"
        << QStringList { "1.168.1.1", "19.168.1.1", "192.168.1.1" };
    QTest::newRow("26 advances") << "1.2.3.4" << 0 << keys({}, "26") << "26.2.3.4" << 1 << "2"
                                 << QStringList { "2.2.3.4", "26.2.3.4" };
    QTest::newRow("25 stays") << "1.2.3.4" << 0 << keys({}, "25") << "25.2.3.4" << 0 << ""
                              << QStringList { "2.2.3.4", "25.2.3.4" };
    QTest::newRow("05 stays") << "1.2.3.4" << 2 << keys({}, "05") << "1.2.05.4" << 2 << ""
                              << QStringList { "1.2.0.4", "1.2.05.4" };
    QTest::newRow("deleting the 1 of 130 advances")
        << "130.2.3.4" << 0 << keys({ Qt::Key_Home, Qt::Key_Delete }) << "30.2.3.4" << 1 << "2"
        << QStringList { "30.2.3.4" };
    QTest::newRow("dot in emptied part 2") << "1.2.3.4" << 1 << keys({ Qt::Key_Backspace }, ".")
                                           << "1..3.4" << 2 << "3" << QStringList { "1..3.4" };
    QTest::newRow("dot in part 4 stays")
        << "1.2.3.4" << 3 << keys({ Qt::Key_End }, ".") << "1.2.3.4" << 3 << "" << QStringList {};
    QTest::newRow("part 4 never advances")
        << "1.2.3.4" << 3 << keys({}, "192") << "1.2.3.192" << 3 << ""
        << QStringList { "1.2.3.1", "1.2.3.19", "1.2.3.192" };
    QTest::newRow("256 refused") << "1.2.3.4" << 0 << keys({}, "256") << "25.2.3.4" << 0 << ""
                                 << QStringList { "2.2.3.4", "25.2.3.4" };
    QTest::newRow("999 refused") << "1.2.3.4" << 3 << keys({}, "999") << "1.2.3.99" << 3 << ""
                                 << QStringList { "1.2.3.9", "1.2.3.99" };
    QTest::newRow("digit before 25 refused") << "1.2.3.25" << 3 << keys({ Qt::Key_Home }, "3")
                                             << "1.2.3.25" << 3 << "" << QStringList {};
    QTest::newRow("digit replacing selected 25 accepted")
        << "1.2.3.25" << 3 << keys({}, "6") << "1.2.3.6" << 3 << "" << QStringList { "1.2.3.6" };
    QTest::newRow("digit between 2 and 5 accepted")
        << "1.2.3.25" << 3 << keys({ Qt::Key_End, Qt::Key_Left }, "1") << "1.2.3.215" << 3 << ""
        << QStringList { "1.2.3.215" };
    QTest::newRow("fourth character refused")
        << "1.2.3.4" << 3 << keys({}, "0001") << "1.2.3.000" << 3 << ""
        << QStringList { "1.2.3.0", "1.2.3.00", "1.2.3.000" };
    QTest::newRow("letter refused")
        << "1.2.3.4" << 3 << keys({ Qt::Key_End }, "a") << "1.2.3.4" << 3 << "" << QStringList {};
    QTest::newRow("tab") << "1.2.3.4" << 1 << keys({ Qt::Key_Tab }) << "1.2.3.4" << 2 << "3"
                         << QStringList {};
    QTest::newRow("shift tab") << "1.2.3.4" << 2 << keys({ Qt::Key_Backtab }) << "1.2.3.4" << 1
                               << "2" << QStringList {};
}

void TstTarnIpAddrEdit::typingMovesFocusAndRefusesOutOfRangeOctets()
{
    QFETCH(QString, initial);
    QFETCH(int, startPart);
    QFETCH(QTestEventList, events);
    QFETCH(QString, address);
    QFETCH(int, focusPart);
    QFETCH(QString, selected);
    QFETCH(QStringList, edited);

    TarnIpAddrEdit edit;
    edit.setText(initial);
    edit.show();
    edit.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&edit));
    edit.getPartEdit(startPart)->setFocus(Qt::OtherFocusReason);
    QSignalSpy editedSpy(&edit, &TarnIpAddrEdit::textEdited);
    QSignalSpy changedSpy(&edit, &TarnIpAddrEdit::textChanged);

    events.simulate(nullptr);

    QCOMPARE(edit.text(), address);
    QCOMPARE(QApplication::focusWidget(), edit.getPartEdit(focusPart));
    QCOMPARE(edit.getPartEdit(focusPart)->selectedText(), selected);
    QCOMPARE(texts(editedSpy), edited);
    QCOMPARE(texts(changedSpy), edited);
}

void TstTarnIpAddrEdit::setTextAcceptsOnlyCompleteAddresses_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QStringList>("changes");

    const QStringList cleared { ".2.3.4", "..3.4", "...4", "..." };
    QTest::newRow("leading zeros kept")
        << "192.168.001.010"
        << "192.168.001.010"
        << QStringList { "192.2.3.4", "192.168.3.4", "192.168.001.4", "192.168.001.010" };
    QTest::newRow("unchanged octets stay silent")
        << "1.5.3.6"
        << "1.5.3.6" << QStringList { "1.5.3.4", "1.5.3.6" };
    QTest::newRow("same address") << "1.2.3.4"
                                  << "1.2.3.4" << QStringList {};
    QTest::newRow("bounds") << "0.00.255.249"
                            << "0.00.255.249"
                            << QStringList { "0.2.3.4", "0.00.3.4", "0.00.255.4", "0.00.255.249" };
    QTest::newRow("256") << "256.1.1.1"
                         << "..." << cleared;
    QTest::newRow("four digits") << "0255.1.1.1"
                                 << "..." << cleared;
    QTest::newRow("three octets") << "1.2.3"
                                  << "..." << cleared;
    QTest::newRow("leading space") << " 1.2.3.4"
                                   << "..." << cleared;
    QTest::newRow("trailing space") << "1.2.3.4 "
                                    << "..." << cleared;
    QTest::newRow("trailing dot") << "1.2.3.4."
                                  << "..." << cleared;
    QTest::newRow("double dot") << "1..2.3.4"
                                << "..." << cleared;
    QTest::newRow("five octets") << "1.2.3.4.5"
                                 << "..." << cleared;
    QTest::newRow("letters") << "a.b.c.d"
                             << "..." << cleared;
    QTest::newRow("sign") << "+1.2.3.4"
                          << "..." << cleared;
    QTest::newRow("empty") << ""
                           << "..." << cleared;
}

void TstTarnIpAddrEdit::setTextAcceptsOnlyCompleteAddresses()
{
    QFETCH(QString, input);
    QFETCH(QString, address);
    QFETCH(QStringList, changes);

    TarnIpAddrEdit edit;
    edit.setText(QStringLiteral("1.2.3.4"));
    QSignalSpy changedSpy(&edit, &TarnIpAddrEdit::textChanged);
    QSignalSpy editedSpy(&edit, &TarnIpAddrEdit::textEdited);

    edit.setText(input);

    QCOMPARE(edit.text(), address);
    QCOMPARE(texts(changedSpy), changes);
    QCOMPARE(editedSpy.count(), 0);
    QCOMPARE(edit.isIpValid(), address != QLatin1String("..."));
}

void TstTarnIpAddrEdit::isIpValidRecordsFirstFailingPart_data()
{
    QTest::addColumn<QStringList>("parts");
    QTest::addColumn<int>("index");

    QTest::newRow("all valid") << QStringList { "0", "255", "001", "10" } << -1;
    QTest::newRow("part 1 empty") << QStringList { "", "1", "1", "1" } << 0;
    QTest::newRow("part 2 above 255") << QStringList { "1", "256", "1", "1" } << 1;
    QTest::newRow("part 3 empty") << QStringList { "192", "168", "", "1" } << 2;
    QTest::newRow("part 4 negative") << QStringList { "1", "1", "1", "-1" } << 3;
    QTest::newRow("first of several") << QStringList { "1", "x", "", "999" } << 1;
}

void TstTarnIpAddrEdit::isIpValidRecordsFirstFailingPart()
{
    QFETCH(QStringList, parts);
    QFETCH(int, index);

    TarnIpAddrEdit edit;
    QCOMPARE(edit.invalidPartIndex(), -1);
    for (int i = 0; i < parts.size(); ++i)
        edit.getPartEdit(i)->setText(parts.at(i));
    QCOMPARE(edit.isIpValid(), index == -1);
    QCOMPARE(edit.invalidPartIndex(), index);

    edit.setText(QStringLiteral("1.2.3.4"));
    QVERIFY(edit.isIpValid());
    QCOMPARE(edit.invalidPartIndex(), index);
}

void TstTarnIpAddrEdit::fieldsShareExtraWidthAroundThePixelSpacedDots()
{
    const int width = 401;
    TarnIpAddrEdit edit;
    edit.resize(width, 30);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    const auto dots = edit.findChildren<QLabel *>();
    QCOMPARE(dots.size(), 3);
    QCOMPARE(edit.getPartEdit(0)->x(), 0);
    QCOMPARE(edit.getPartEdit(3)->geometry().right(), width - 1);
    for (int i = 0; i < 3; ++i) {
        const QRect part = edit.getPartEdit(i)->geometry();
        QCOMPARE(dots.at(i)->text(), QStringLiteral("."));
        QCOMPARE(dots.at(i)->objectName(), QStringLiteral("TarnLabelText_Regular_12"));
        QCOMPARE(dots.at(i)->alignment(), Qt::AlignLeft | Qt::AlignBottom);
        QCOMPARE(dots.at(i)->x(), part.right() + 1 + 3);
        QCOMPARE(edit.getPartEdit(i + 1)->x(), dots.at(i)->geometry().right() + 1 + 3);
        QVERIFY(qAbs(part.width() - edit.getPartEdit(3)->width()) <= 1);
    }
    QVERIFY(!edit.getPartEdit(-1));
    QVERIFY(!edit.getPartEdit(4));
}

void TstTarnIpAddrEdit::styleSheetReachesOctetsButNotDots()
{
    TarnIpAddrEdit edit;
    edit.setStyleSheet(QStringLiteral("* { color: rgb(1, 2, 3); }"));
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));

    QVERIFY(edit.QWidget::styleSheet().isEmpty());
    for (int i = 0; i < 4; ++i)
        QCOMPARE(edit.getPartEdit(i)->palette().color(QPalette::Text), QColor(1, 2, 3));
    for (const auto *dot : edit.findChildren<QLabel *>())
        QVERIFY(dot->palette().color(QPalette::WindowText) != QColor(1, 2, 3));
}

QTEST_MAIN(TstTarnIpAddrEdit)
#include "tst_tarnipaddredit.moc"
