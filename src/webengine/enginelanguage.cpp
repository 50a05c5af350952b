#include "webengine/enginelanguage.h"

#include "core/engineflags.h"

#include <QWebEngineProfile>

void setGreekEngineLanguage()
{
    addEngineFlag("--lang=el");
}

void preferGreekPages(QWebEngineProfile *profile)
{
    profile->setHttpAcceptLanguage(QStringLiteral("el-GR,el"));
}
