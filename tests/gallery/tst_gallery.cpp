// SPDX-License-Identifier: LGPL-2.1-or-later
// Runs the gallery program as a user would, and reads the pictures it writes.
#include <QtGui>
#include <QtTest>

class tst_Gallery : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_out, m_err;
    QHash<QString, QImage> m_pictures; // the English ones, by file name

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
        QVERIFY2(runGallery(options.split(' ', Qt::SkipEmptyParts)
                                + QStringList { "--screenshots", folder.path() },
                            environment)
                     == 0,
                 qPrintable(m_err));
        QVERIFY(!QFileInfo::exists(m_dir.filePath(row + "-settings")));
        const QStringList written = folder.entryList({ QStringLiteral("*.png") }, QDir::Files);
        QCOMPARE(written.size(), 5);
        for (const QString &name : written) {
            QVERIFY(m_out.split('\n').contains(folder.filePath(name)));
            const QImage image(folder.filePath(name));
            QCOMPARE(image.pixel(0, 0), qRgb(0, 16, 13));
            // Putting the window on top runs the event loop, and the spinner turns.
            if (row != "en" && name != "main-on-top.png")
                QCOMPARE(image == m_pictures.value(name), english);
            m_pictures.insert(name, row == "en" ? image : m_pictures.value(name));
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
        QTest::newRow("unknown option") << "--nope" << 2 << "Unknown option 'nope'.";
        QTest::newRow("unknown language")
            << "--lang xx" << 2 << R"(--lang takes zh or en, not "xx")";
        QTest::newRow("scale without images") << "--scale 2" << 2 << scale.arg("2");
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
