#include "testenvironment.h"

#include <QByteArray>
#include <QtGlobal>

void prepareTestEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", QByteArray("1"));
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
                QByteArray("--disable-gpu --disable-background-networking --disable-component-update"));
}
