#pragma once

#include <QString>
#include <QStringList>

// What a file dialog of a document command shows and how it behaves.
struct FileDialogSettings
{
    QString title;         // empty: the platform's own title
    QString initialFolder; // the folder the dialog starts in
    QString proposedName;  // the file name the dialog proposes; empty: none
    QStringList filters;   // name filters in the "description (*.ext)" form, in order
    int filterIndex = 0;   // the preselected filter, counted from 0
    QString defaultSuffix; // added to a chosen name that has no extension; empty: none
    bool fileMustExist = false;
    bool confirmOverwrite = false;
};

// The name filters of a filter text in the "description|pattern|description|pattern" form, each written as
// "description (pattern)"; spaces around a description are dropped, as a file dialog shows none and matches
// a filter by its trimmed name.
QStringList nameFiltersFromPairs(const QString &pairs);

// The open dialog of "Άνοιγμα Ιστοσελίδας" and of the hidden code-only open, starting in `folder`.
FileDialogSettings openDialogSettings(const QString &folder);
// The save dialog of "Αποθήκεση Ιστοσελίδας", starting in `folder`.
FileDialogSettings saveDialogSettings(const QString &folder);

// The dialog starts in the folder of the document's file `documentFile` and proposes its name, with the
// filter of its extension preselected where there is one; without a file it starts in `fallbackFolder`.
void startAtDocument(FileDialogSettings &settings, const QString &documentFile,
                     const QString &fallbackFolder);
// The dialog that asks where to write a source printout as PDF when the machine has no printer.
FileDialogSettings pdfDialogSettings(const QString &folder);

// The path with the dialog's default suffix added when its file name has no extension.
QString withDefaultSuffix(const QString &path, const FileDialogSettings &settings);
