#include "app/applicationsetup.h"

#include "app/programtexts.h"
#include "widgets/theme.h"

#include <QApplication>

void setUpApplication(QApplication &app)
{
    app.setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(ProgramTexts::applicationTitle());
    QApplication::setApplicationDisplayName(ProgramTexts::applicationTitle());
    applyCyanDusk(app);
}
