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
    void cleanupTestCase() { delete ShortCutsManager::_instance; }

    void testLocaleReplacesEarlierTranslation_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("english");
        QTest::newRow("en") << "en" << true;
        QTest::newRow("en_GB falls back to en") << "en_GB" << true;
        QTest::newRow("zh_CN restores the sources") << "zh_CN" << false;
        QTest::newRow("C") << "C" << false;
        QTest::newRow("unknown de_DE") << "de_DE" << false;
    }
    // Every row starts from an installed English translation, which the row's call must replace.
    void testLocaleReplacesEarlierTranslation()
    {
        QFETCH(QString, locale);
        QFETCH(bool, english);
        const QStringList texts = english ? QStringList { "Boss key", "Save", "Close" }
                                          : QStringList { "老板键", "保存", "关闭" };
        QVERIFY(loadTarnUILibTranslation(QLocale(QStringLiteral("en"))));
        QCOMPARE(loadTarnUILibTranslation(QLocale(locale)), english);

        TarnInterface facade;
        QWidget window;
        ShortCuts page(&window, &facade);
        QStringList labels;
        for (const QLabel *label : page.findChildren<QLabel *>())
            labels << label->text();
        QVERIFY2(labels.contains(texts[0]), qPrintable(labels.join(',')));
        QCOMPARE(page.findChild<QPushButton *>(QStringLiteral("greenColor"))->text(), texts[1]);
        TarnBaseDialog dialog(nullptr, QString(), 0);
        QCOMPARE(dialog.findChild<QToolButton *>(QStringLiteral("close-button"))->toolTip(),
                 texts[2]);
    }
};

QTEST_MAIN(tst_TarnTranslation)
#include "tst_tarntranslation.moc"
