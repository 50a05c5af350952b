#pragma once

#include "documents/core/filedialogsettings.h"

#include <QString>

class QWidget;

// Asks the user for a file name. The program shows real file dialogs; tests supply the answers instead.
class FileChooser
{
public:
    virtual ~FileChooser() = default;
    // The file chosen to open, or empty when the user cancelled.
    virtual QString chooseOpen(QWidget *parent, const FileDialogSettings &settings) = 0;
    // The file name chosen to save under, or empty when the user cancelled.
    virtual QString chooseSave(QWidget *parent, const FileDialogSettings &settings) = 0;
};

// File dialogs created for one question, shown modally and freed.
class DialogFileChooser : public FileChooser
{
public:
    QString chooseOpen(QWidget *parent, const FileDialogSettings &settings) override;
    QString chooseSave(QWidget *parent, const FileDialogSettings &settings) override;
};
