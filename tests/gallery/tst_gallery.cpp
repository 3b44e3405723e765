// SPDX-License-Identifier: LGPL-2.1-or-later
// Runs the gallery program as a user would, and reads the pictures it writes.
#include <QtGui>
#include <QtTest>

class tst_Gallery : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_out, m_err;

    // The exit code, or -1 if the program crashed or hung.
    int runGallery(const QStringList &arguments)
    {
        QProcess gallery;
        // Text mode: the gallery ends its lines with CR LF on Windows.
        gallery.start(QStringLiteral(TARN_GALLERY), arguments,
                      QIODevice::ReadWrite | QIODevice::Text);
        const bool exited =
            gallery.waitForFinished(60000) && gallery.exitStatus() == QProcess::NormalExit;
        m_out = QString::fromLocal8Bit(gallery.readAllStandardOutput());
        m_err = QString::fromLocal8Bit(gallery.readAllStandardError());
        return exited ? gallery.exitCode() : -1;
    }

private slots:
    void everyWindowIsPicturedAtItsScale_data()
    {
        QTest::addColumn<QString>("options");
        QTest::addColumn<int>("titleBarHeight");
        QTest::addColumn<QRgb>("background");
        QTest::newRow("1.5-light-zh")
            << "--scale 1.5 --style light --lang zh" << 45 << qRgb(255, 255, 255);
        // 30 × 1.25 = 37.5, truncated.
        QTest::newRow("1.25-dark-en")
            << "--scale 1.25 --style dark --lang en" << 37 << qRgb(30, 35, 38);
    }
    void everyWindowIsPicturedAtItsScale()
    {
        QFETCH(QString, options);
        QFETCH(int, titleBarHeight);
        QFETCH(QRgb, background);
        const QDir folder(m_dir.filePath(QString::fromLatin1(QTest::currentDataTag())));
        options += " --screenshots " + folder.path() + " --config " + m_dir.filePath("tarn.ini");
        QVERIFY2(runGallery(options.split(' ')) == 0, qPrintable(m_err));
        const QStringList written = folder.entryList({ QStringLiteral("*.png") }, QDir::Files);
        QCOMPARE(written.size(), 5);
        for (const QString &name : written) {
            const QString file = folder.filePath(name);
            QVERIFY2(m_out.split('\n').contains(file), qPrintable(file));
            const QImage image(file);
            QVERIFY2(image.width() >= 300 && image.width() <= 2000 && image.height() >= 200
                         && image.height() <= 2000,
                     qPrintable(file));
            // A framed dialog: border ring outside, title bar rows inside, then the style's
            // background (the sheet asked for, not a QApplication --style).
            QCOMPARE(image.pixel(0, 0), qRgb(0, 16, 13));
            const int x = image.width() / 2;
            int y = 1;
            while (y < image.height() && image.pixel(x, y) == image.pixel(x, 1))
                ++y;
            QCOMPARE(y - 1, titleBarHeight);
            QCOMPARE(image.pixel(x, titleBarHeight + 2), background);
        }
    }

    void badOptionValueIsRefused_data()
    {
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("message");
        const QString scale = R"(--scale takes a number above 0 and up to 4, not "%1")";
        const QString style = R"(--style takes light or dark, not "nope")";
        const QString file = m_dir.filePath("a-file");
        QFile(file).open(QIODevice::WriteOnly);
        QTest::newRow("unknown language") << "--lang xx"
                                          << R"(--lang takes zh or en, not "xx")";
        QTest::newRow("zero scale") << "--scale 0" << scale.arg("0");
        QTest::newRow("scale not a number") << "--scale 1,5" << scale.arg("1,5");
        QTest::newRow("unknown style") << "--style nope" << style;
        QTest::newRow("screenshots into a file")
            << "--screenshots " + file
            << QString(R"(--screenshots: "%1" is not a folder that can be written to)").arg(file);
    }
    void badOptionValueIsRefused()
    {
        QFETCH(QString, options);
        QFETCH(QString, message);
        QVERIFY(runGallery(options.split(' ')) > 0);
        QVERIFY2(m_err.contains("tarn-gallery: " + message + '\n'), qPrintable(m_err));
        QCOMPARE(m_out, QString());
    }
};

QTEST_GUILESS_MAIN(tst_Gallery)
#include "tst_gallery.moc"
