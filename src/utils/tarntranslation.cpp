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
    if (!translator->load(locale, QStringLiteral("tarnuilib"), QStringLiteral("_"),
                          QStringLiteral(":/tarnuilib/translations"))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    return true;
}
