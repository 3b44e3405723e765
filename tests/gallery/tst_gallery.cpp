// SPDX-License-Identifier: LGPL-2.1-or-later
// Runs the gallery program as a user would, and reads the pictures it writes.
#include <QtGui>
#include <QtTest>

class tst_Gallery : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_out, m_err;
    QHash<QString, QImage> m_pictures; // "<row>/<file>" of the rows run so far

    // The exit code, or -1 if the program crashed or hung.
    int runGallery(const QStringList &arguments, const QProcessEnvironment &environment)
    {
        QProcess gallery;
        gallery.setProcessEnvironment(environment);
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
    // Rows compare with the pictures of rows before them: the same pictures for the same
    // language, chosen by --lang or by the locale (English for C and for a locale without a
    // translation); every picture different in the other language; at another scale, each
    // picture that much larger.
    void everyWindowIsPicturedAtItsScaleInOneLanguage_data()
    {
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("sameAs");
        QTest::addColumn<QString>("otherThan");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QRgb>("background");
        const QRgb light = qRgb(255, 255, 255), dark = qRgb(30, 35, 38);
        const auto row = [](const char *tag, const char *options, const char *locale,
                            const char *sameAs, const char *otherThan, double scale, QRgb back) {
            QTest::newRow(tag) << QString(options) << QString(locale) << QString(sameAs)
                               << QString(otherThan) << scale << back;
        };
        row("en", "--lang en", "zh_CN.UTF-8", "", "", 1, light);
        row("C locale", "", "C", "en", "", 1, light);
        row("locale without translation", "", "de_DE.UTF-8", "en", "", 1, light);
        row("zh", "--lang zh", "C", "", "en", 1, light);
        // A Chinese locale picks other glyphs for Chinese text: not the same pictures.
        row("zh_CN locale", "", "zh_CN.UTF-8", "", "en", 1, light);
        row("1.5", "--lang en", "C", "", "", 1.5, light);
        row("1.25 dark", "--lang en --style dark", "C", "", "", 1.25, dark);
    }
    void everyWindowIsPicturedAtItsScaleInOneLanguage()
    {
        QFETCH(QString, options);
        QFETCH(QString, locale);
        QFETCH(QString, sameAs);
        QFETCH(QString, otherThan);
        QFETCH(double, scale);
        QFETCH(QRgb, background);
        const QString row = QString::fromLatin1(QTest::currentDataTag());
        const QDir folder(m_dir.filePath(row));
        // Pictures leave no settings file, nor the folders to it.
        const QString config = m_dir.filePath(row + "-settings");
        const QStringList arguments = options.split(' ', Qt::SkipEmptyParts)
            + QStringList { "--scale", QString::number(scale), "--screenshots", folder.path() };
        // Offscreen, as scripts/gallery.sh --pictures takes them: a window manager would place
        // and size windows by its own timing.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("LC_ALL", locale);
        environment.insert("XDG_CONFIG_HOME", config);
        QVERIFY2(runGallery(arguments, environment) == 0, qPrintable(m_err));
        QVERIFY(!QFileInfo::exists(config + "/tarn-gallery"));
        const QStringList written = folder.entryList({ QStringLiteral("*.png") }, QDir::Files);
        QCOMPARE(written.size(), 5);
        for (const QString &name : written) {
            const QString file = folder.filePath(name);
            QVERIFY2(m_out.split('\n').contains(file), qPrintable(file));
            const QImage image(file);
            m_pictures.insert(row + '/' + name, image);
            // Putting the window on top runs the event loop, and the spinner turns.
            if (!sameAs.isEmpty() && name != "main-on-top.png")
                QVERIFY2(image == m_pictures.value(sameAs + '/' + name), qPrintable(file));
            if (!otherThan.isEmpty())
                QVERIFY2(image != m_pictures.value(otherThan + '/' + name), qPrintable(file));
            // A framed dialog: border ring outside, the title bar's height at the scale, then
            // the style's background (the sheet asked for, not a QApplication --style).
            QCOMPARE(image.pixel(0, 0), qRgb(0, 16, 13));
            QCOMPARE(image.pixel(image.width() / 2, int(30 * scale) + 2), background);
        }
    }

    // The command line is read before a display is opened: without one, --help and --version
    // answer and a bad command line is refused, with its usage line, by exit code 2.
    void commandLineAnsweredWithoutDisplay_data()
    {
        QTest::addColumn<QString>("options");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        const QString file = m_dir.filePath("a-file");
        QFile(file).open(QIODevice::WriteOnly);
        const QString scale = R"(--scale takes 1, 1.25 or 1.5, not "%1")";
        QTest::newRow("help") << "--help" << 0 << "Usage: ";
        QTest::newRow("version") << "--version" << 0 << "tarn-gallery 1.";
        QTest::newRow("unknown option") << "--nope" << 2 << "Unknown option 'nope'.";
        QTest::newRow("unknown language")
            << "--lang xx" << 2 << R"(--lang takes zh or en, not "xx")";
        QTest::newRow("scale without images") << "--scale 2" << 2 << scale.arg("2");
        QTest::newRow("scale not a number") << "--scale 1,5" << 2 << scale.arg("1,5");
        QTest::newRow("screenshots into a file")
            << "--screenshots " + file << 2
            << QString(R"(--screenshots: "%1" is not a folder that can be written to)").arg(file);
    }
    void commandLineAnsweredWithoutDisplay()
    {
        QFETCH(QString, options);
        QFETCH(int, code);
        QFETCH(QString, message);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.remove("DISPLAY");
        QCOMPARE(runGallery(options.split(' '), environment), code);
        if (code == 0) {
            QVERIFY2(m_out.startsWith(message), qPrintable(m_out));
            QCOMPARE(m_err, QString());
        } else {
            QVERIFY2(m_err.startsWith("tarn-gallery: " + message
                                      + "\nUsage: " TARN_GALLERY " [options]"),
                     qPrintable(m_err));
            QCOMPARE(m_out, QString());
        }
    }
};

QTEST_GUILESS_MAIN(tst_Gallery)
#include "tst_gallery.moc"
