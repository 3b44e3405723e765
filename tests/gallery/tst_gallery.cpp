// SPDX-License-Identifier: LGPL-2.1-or-later
// Runs the gallery program as a user would, and reads the pictures it writes.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
struct Run
{
    QProcess::ExitStatus status;
    int code;
    QString out;
    QString err;
};

Run runGallery(const QStringList &arguments)
{
    QProcess gallery;
    gallery.start(QStringLiteral(TARN_GALLERY), arguments);
    if (!gallery.waitForFinished(60000))
        gallery.kill();
    return { gallery.exitStatus(), gallery.exitCode(),
             QString::fromLocal8Bit(gallery.readAllStandardOutput()),
             QString::fromLocal8Bit(gallery.readAllStandardError()) };
}

// Rows from the top edge down whose colour is that of the first row inside the border.
int titleBarHeight(const QImage &image)
{
    const int x = image.width() / 2;
    const QRgb title = image.pixel(x, 1);
    int y = 1;
    while (y < image.height() && image.pixel(x, y) == title)
        ++y;
    return y - 1;
}
} // namespace

class tst_Gallery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyWindowIsPicturedAtItsScale_data();
    void everyWindowIsPicturedAtItsScale();
    void badOptionValueIsRefused_data();
    void badOptionValueIsRefused();

private:
    QTemporaryDir m_dir;
};

void tst_Gallery::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QFile file(m_dir.filePath(QStringLiteral("a-file")));
    QVERIFY(file.open(QIODevice::WriteOnly));
}

void tst_Gallery::everyWindowIsPicturedAtItsScale_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("titleBarHeight");
    QTest::addColumn<QRgb>("background");
    QTest::newRow("1.5, light, Chinese")
        << QStringList { "--scale", "1.5", "--style", "light", "--lang", "zh" } << 45
        << qRgb(0xff, 0xff, 0xff);
    // 30 × 1.25 = 37.5, truncated.
    QTest::newRow("1.25, dark, English")
        << QStringList { "--scale", "1.25", "--style", "dark", "--lang", "en" } << 37
        << qRgb(0x1e, 0x23, 0x26);
}

void tst_Gallery::everyWindowIsPicturedAtItsScale()
{
    QFETCH(QStringList, options);
    QFETCH(int, titleBarHeight);
    QFETCH(QRgb, background);
    const QString folder = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
    const Run run = runGallery(options
                               + QStringList { "--screenshots", folder, "--config",
                                               m_dir.filePath(QStringLiteral("tarn.ini")) });
    QCOMPARE(run.status, QProcess::NormalExit);
    QVERIFY2(run.code == 0, qPrintable(run.err));

    // Each file written is listed on a line of its own; log lines may come between them.
    const QStringList printed = run.out.split(QLatin1Char('\n'));
    const QStringList written = QDir(folder).entryList({ QStringLiteral("*.png") }, QDir::Files);
    QCOMPARE(written.size(), 5);
    for (const QString &name : written) {
        const QString file = QDir(folder).filePath(name);
        QVERIFY2(printed.contains(file), qPrintable(file));
        const QImage image(file);
        QVERIFY2(image.width() >= 300 && image.width() <= 2000 && image.height() >= 200
                     && image.height() <= 2000,
                 qPrintable(file));
        // Every window is a framed dialog: border ring outside, title bar inside.
        QCOMPARE(image.pixel(0, 0), qRgb(0, 16, 13));
        QCOMPARE(::titleBarHeight(image), titleBarHeight);
        // The style sheet asked for, not one QApplication took --style for.
        QCOMPARE(image.pixel(image.width() / 2, titleBarHeight + 2), background);
    }
}

void tst_Gallery::badOptionValueIsRefused_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown language")
        << QStringList { "--lang", "xx" } << R"(--lang takes zh or en, not "xx")";
    QTest::newRow("zero scale") << QStringList { "--scale", "0" }
                                << R"(--scale takes a number above 0 and up to 4, not "0")";
    QTest::newRow("negative scale") << QStringList { "--scale", "-1.5" }
                                    << R"(--scale takes a number above 0 and up to 4, not "-1.5")";
    QTest::newRow("scale not a number")
        << QStringList { "--scale", "1,5" }
        << R"(--scale takes a number above 0 and up to 4, not "1,5")";
    QTest::newRow("unknown style")
        << QStringList { "--style", "nope" } << R"(--style takes light or dark, not "nope")";
    QTest::newRow("style given as --style=")
        << QStringList { "--style=nope" } << R"(--style takes light or dark, not "nope")";
    QTest::newRow("screenshots into a file")
        << QStringList { "--screenshots", "%1/a-file" }
        << R"(--screenshots: "%1/a-file" is not a folder that can be written to)";
    QTest::newRow("screenshots under a file")
        << QStringList { "--screenshots", "%1/a-file/shots" }
        << R"(--screenshots: "%1/a-file/shots" is not a folder that can be written to)";
}

void tst_Gallery::badOptionValueIsRefused()
{
    QFETCH(QStringList, options);
    QFETCH(QString, message);
    for (QString &option : options)
        option.replace(QLatin1String("%1"), m_dir.path());
    message.replace(QLatin1String("%1"), m_dir.path());
    const Run run = runGallery(options);
    QCOMPARE(run.status, QProcess::NormalExit);
    QVERIFY(run.code != 0);
    QVERIFY2(run.err.contains(QStringLiteral("tarn-gallery: ") + message + '\n'),
             qPrintable(run.err));
    QCOMPARE(run.out, QString());
}

QTEST_GUILESS_MAIN(tst_Gallery)
#include "tst_gallery.moc"
