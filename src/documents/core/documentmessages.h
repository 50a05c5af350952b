#pragma once

#include <QString>

// The Greek texts that the document commands show: the fixed messages of opening, saving and printing, and
// the reasons given when a file cannot be opened or saved.
namespace DocumentMessages {

// Open refused while only the browser is shown.
QString openNeedsEditor();
// Open or save cancelled in the dialog.
QString openCancelled();
QString saveCancelled();
// Save done.
QString saveSucceeded();
// Asked before a save replaces the file `name` that exists already.
QString replaceExisting(const QString &name);

// Why a file was not opened; `name` is the file's name.
QString fileNotFound(const QString &name);
QString isFolder(const QString &name);
QString notRegularFile(const QString &name);
QString tooLarge(const QString &name);
QString cannotRead(const QString &name, const QString &reason);
QString notText(const QString &name);
// Said after a file whose Unicode bytes were partly invalid was opened with replacement characters.
QString malformedCharacters(const QString &name);

// Said after a save that left out the text's NUL characters.
QString nulCharactersLeftOut(const QString &name);

// Why a file was not saved.
QString cannotSave(const QString &name, const QString &reason);
QString folderMissing(const QString &folder);
QString folderHasThatName();

// Printing: the page count after a source printout, margins that leave no room, a printer that failed.
QString pagesPrinted(int pages);
QString printMarginsProblem();
QString printFailed(const QString &reason);
QString printCancelled();
// The page in the preview did not get ready to print in time (a script of its own never ends).
QString pageNotReadyToPrint();

} // namespace DocumentMessages
