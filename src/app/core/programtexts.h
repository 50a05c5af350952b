#pragma once

#include <QString>
#include <QStringList>

// Fixed texts of the program shell: window captions, the author credit, the welcome document.
namespace ProgramTexts {

// The credit line naming the program's maker (main window caption, terms text, welcome document).
QString authorCredit();
// Caption of the main window `Form5`.
QString mainWindowCaption();
// Caption of the start-up window `Form3`.
QString startupCaption();
// Application title.
QString applicationTitle();
// The 27 lines the main window puts into the code pane when it is first shown.
QStringList welcomeDocument();
// Address of the maker's educational website, opened in the system browser by the logo image.
QString makerWebsite();

} // namespace ProgramTexts
