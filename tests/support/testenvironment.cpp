#include "testenvironment.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <QtGlobal>

void prepareTestEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", QByteArray("1"));
    // The user's data folder (recovered texts) is the test's own, so tests neither read nor leave the user's.
    static QTemporaryDir dataHome;
    if (qEnvironmentVariableIsEmpty("VELMARK_TEST_KEEP_DATA_HOME"))
        qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
                QByteArray("--disable-gpu --disable-background-networking --disable-component-update"));
}
