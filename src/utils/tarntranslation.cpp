// SPDX-License-Identifier: LGPL-2.1-or-later
#include "tarntranslation.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

// Q_INIT_RESOURCE declares the resource's init function in the scope it is used in, so it must
// be called from the global namespace.
static void initTranslationResource()
{
    Q_INIT_RESOURCE(tarnuilib_translations);
}

bool loadTarnUILibTranslation(const QLocale &locale)
{
    initTranslationResource();
    // Parented to the application, so a translator never outlives the application it serves.
    static QPointer<QTranslator> installed;
    // A translator takes itself off the application as it is deleted.
    delete installed;
    auto *translator = new QTranslator(QCoreApplication::instance());
    const auto load = [translator](const QLocale &language) {
        return translator->load(language, QStringLiteral("tarnuilib"), QStringLiteral("_"),
                                QStringLiteral(":/tarnuilib/translations"));
    };
    // Chinese is the source language; any other without a translation of its own, the C and
    // POSIX locales of a system with no language set among them, reads English.
    if (locale.language() == QLocale::Chinese
        || !(load(locale) || load(QLocale(QLocale::English)))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    return true;
}
