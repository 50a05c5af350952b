#include "widgets/qtgreektexts.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

bool installQtGreekTexts(QCoreApplication &app)
{
    // The default locale, not the system's: the program speaks Greek whatever language the system is set to.
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
    auto *translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral(":/translations/qtdialogs_el.qm"))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
