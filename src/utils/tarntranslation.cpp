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
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
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
