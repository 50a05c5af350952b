#include "app/applicationsetup.h"

#include "app/core/memoryreuse.h"
#include "app/core/programtexts.h"
#include "core/engineflags.h"
#include "webengine/enginelanguage.h"
#include "widgets/fonts.h"
#include "widgets/qtgreektexts.h"
#include "widgets/theme.h"

#include <QAccessible>
#include <QApplication>

// The display name stays unset: Qt would append it to every window's title, and each window's title is
// exactly its caption.
void setUpApplication(QApplication &app)
{
    keepFreedMemoryForReuse();
    app.setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(ProgramTexts::applicationTitle());
    // The installed desktop entry's name, by which docks and task bars match the windows to their icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.velmark.HtmlEditor"));
    applyCyanDusk(app);
    installQtGreekTexts(app);
    setGreekEngineLanguage();
    // Dialogs, menus and message boxes speak in the program's own face too.
    QApplication::setFont(Fonts::pixels(11));
    // The web engine shows a screen reader the rendered page only when its renderer's accessibility is on;
    // it is turned on when an assistive technology is present, before the first web view starts the engine.
    if (QAccessible::isActive() || qEnvironmentVariableIntValue("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
        addEngineFlag("--force-renderer-accessibility");
}
