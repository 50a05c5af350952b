#include "documents/filechooser.h"

#include <QFileDialog>

namespace {

QString ask(QWidget *parent, const FileDialogSpec &spec, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent);
    if (!spec.title.isEmpty())
        dialog.setWindowTitle(spec.title);
    dialog.setDirectory(spec.initialFolder);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(spec.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(spec.filters);
    if (spec.filterIndex >= 0 && spec.filterIndex < spec.filters.size())
        dialog.selectNameFilter(spec.filters.at(spec.filterIndex));
    dialog.setDefaultSuffix(spec.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !spec.confirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString DialogFileChooser::chooseOpen(QWidget *parent, const FileDialogSpec &spec)
{
    return ask(parent, spec, QFileDialog::AcceptOpen);
}

QString DialogFileChooser::chooseSave(QWidget *parent, const FileDialogSpec &spec)
{
    return ask(parent, spec, QFileDialog::AcceptSave);
}
