#pragma once

class QCoreApplication;

// Makes Qt's own parts speak Greek, as the program's own texts do: the texts of its dialogs (file dialogs,
// print, page set-up and print preview dialogs, message-box buttons) and of the edit boxes' and the web
// view's context menus, which Qt ships no Greek translation for, and everything Qt words by the locale (file
// type descriptions from the system's MIME database, sizes, dates). Call once at start, before any window
// exists. Returns false when the built-in translation could not be loaded.
bool installQtGreekTexts(QCoreApplication &app);
