// SPDX-License-Identifier: LGPL-2.1-or-later
#include "shortcuts.h"
#include "tarnbasedialog.h"
#include "tarninterface.h"
#include "tarntranslation.h"

#include <QtTest>
#include <QtWidgets>

class tst_TarnTranslation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanupTestCase();
    void testLocaleReplacesEarlierTranslation_data();
    void testLocaleReplacesEarlierTranslation();
};

void tst_TarnTranslation::cleanupTestCase()
{
    delete ShortCutsManager::_instance;
}

void tst_TarnTranslation::testLocaleReplacesEarlierTranslation_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("bossKey");
    QTest::addColumn<QString>("save");
    QTest::addColumn<QString>("close");
    QTest::newRow("en") << "en" << true << "Boss key"
                        << "Save"
                        << "Close";
    QTest::newRow("en_GB falls back to en") << "en_GB" << true << "Boss key"
                                            << "Save"
                                            << "Close";
    QTest::newRow("zh_CN restores the sources") << "zh_CN" << false << "老板键"
                                                << "保存"
                                                << "关闭";
    QTest::newRow("C") << "C" << false << "老板键"
                       << "保存"
                       << "关闭";
    QTest::newRow("unknown de_DE") << "de_DE" << false << "老板键"
                                   << "保存"
                                   << "关闭";
}

// Every row starts from an installed English translation, which the row's call must replace.
void tst_TarnTranslation::testLocaleReplacesEarlierTranslation()
{
    QFETCH(QString, locale);
    QFETCH(bool, found);
    QFETCH(QString, bossKey);
    QFETCH(QString, save);
    QFETCH(QString, close);
    QVERIFY(loadTarnUILibTranslation(QLocale(QStringLiteral("en"))));
    QCOMPARE(loadTarnUILibTranslation(QLocale(locale)), found);

    TarnInterface facade;
    QWidget window;
    ShortCuts page(&window, &facade);
    QStringList labels;
    for (const QLabel *label : page.findChildren<QLabel *>())
        labels << label->text();
    QVERIFY2(labels.contains(bossKey), qPrintable(labels.join(',')));
    QCOMPARE(page.findChild<QPushButton *>(QStringLiteral("greenColor"))->text(), save);
    TarnBaseDialog dialog(nullptr, QString(), 0);
    QCOMPARE(dialog.findChild<QToolButton *>(QStringLiteral("close-button"))->toolTip(), close);
}

QTEST_MAIN(tst_TarnTranslation)
#include "tst_tarntranslation.moc"
