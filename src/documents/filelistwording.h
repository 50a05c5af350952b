#pragma once

#include <QIdentityProxyModel>

class QFileDialog;

// The file dialog's list words file sizes and dates by the system's locale, whatever the program speaks; this
// model between the dialog and its file list words them by the program's own (default) locale instead.
class FileListWording : public QIdentityProxyModel
{
    Q_OBJECT

public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
};

// Gives the dialog the wording above and widens the list's columns to their Greek headers and contents each
// time a folder has been read, and the dialog once to show them, so that no header or entry is cut short.
void wordFileListInProgramLocale(QFileDialog &dialog);
