// SPDX-License-Identifier: LGPL-2.1-or-later
// Runs the gallery program as a user would, and reads the pictures it writes.
#include <QtGui>
#include <QtTest>

class tst_Gallery : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QHash<QString, QImage> m_pictures; // the English ones, by file name

private slots:
    // The gallery pictures every window, in the language --lang or the locale chooses: English
    // for C as for --lang en, the sources for zh. Each picture is of a framed dialog, and the
    // pictures leave no settings file behind.
    void everyWindowIsPicturedInOneLanguage_data()
    {
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("english");
        QTest::newRow("en") << "--lang en"
                            << "zh_CN.UTF-8" << true;
        QTest::newRow("C locale") << ""
                                  << "C" << true;
        QTest::newRow("zh") << "--lang zh"
                            << "C" << false;
    }
    void everyWindowIsPicturedInOneLanguage()
    {
        QFETCH(QString, options);
        QFETCH(QString, locale);
        QFETCH(bool, english);
        const QString row = QString::fromLatin1(QTest::currentDataTag());
        const QDir folder(m_dir.filePath(row));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("LC_ALL", locale);
        environment.insert("XDG_CONFIG_HOME", m_dir.filePath(row + "-settings"));
        QProcess gallery; // text mode: the gallery ends its lines with CR LF on Windows
        gallery.setProcessEnvironment(environment);
        gallery.start(QStringLiteral(TARN_GALLERY),
                      options.split(' ', Qt::SkipEmptyParts)
                          + QStringList { "--screenshots", folder.path() },
                      QIODevice::ReadOnly | QIODevice::Text);
        QVERIFY(gallery.waitForFinished(60000) && gallery.exitStatus() == QProcess::NormalExit);
        QVERIFY2(gallery.exitCode() == 0, gallery.readAllStandardError().constData());
        const QString out = QString::fromLocal8Bit(gallery.readAllStandardOutput());
        QVERIFY(!QFileInfo::exists(m_dir.filePath(row + "-settings")));
        const QStringList written = folder.entryList({ QStringLiteral("*.png") }, QDir::Files);
        QCOMPARE(written.size(), 5);
        for (const QString &name : written) {
            QVERIFY(out.split('\n').contains(folder.filePath(name)));
            const QImage image(folder.filePath(name));
            QCOMPARE(image.pixel(0, 0), qRgb(0, 16, 13));
            // Putting the window on top runs the event loop, and the spinner turns.
            if (row != "en" && name != "main-on-top.png")
                QCOMPARE(image == m_pictures.value(name), english);
            m_pictures.insert(name, row == "en" ? image : m_pictures.value(name));
        }
    }
};

QTEST_GUILESS_MAIN(tst_Gallery)
#include "tst_gallery.moc"
