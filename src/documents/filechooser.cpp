#include "documents/filechooser.h"

#include "documents/filelistwording.h"

#include <QFileDialog>

namespace {

QString ask(QWidget *parent, const FileDialogSettings &settings, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent);
    // Qt's own dialog, not the desktop's, so that it speaks the program's Greek everywhere.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    wordFileListInProgramLocale(dialog);
    if (!settings.title.isEmpty())
        dialog.setWindowTitle(settings.title);
    dialog.setDirectory(settings.initialFolder);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(settings.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(settings.filters);
    if (settings.filterIndex >= 0 && settings.filterIndex < settings.filters.size())
        dialog.selectNameFilter(settings.filters.at(settings.filterIndex));
    dialog.setDefaultSuffix(settings.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !settings.confirmOverwrite);
    // Proposed last: choosing a filter in a save dialog rewrites the extension of the name shown.
    if (!settings.proposedName.isEmpty())
        dialog.selectFile(settings.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString DialogFileChooser::chooseOpen(QWidget *parent, const FileDialogSettings &settings)
{
    return ask(parent, settings, QFileDialog::AcceptOpen);
}

QString DialogFileChooser::chooseSave(QWidget *parent, const FileDialogSettings &settings)
{
    return ask(parent, settings, QFileDialog::AcceptSave);
}
