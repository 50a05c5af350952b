#include "documents/filelistwording.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLocale>
#include <QScreen>
#include <QTreeView>

#include <memory>

namespace {

// The columns of Qt's file list.
constexpr int sizeColumn = 1;
constexpr int dateColumn = 3;

void fitColumns(QTreeView *list)
{
    // The name column keeps the room the dialog gives it; the others fit their header and their contents.
    for (int column = 1; column < list->header()->count(); ++column)
        list->resizeColumnToContents(column);
}

} // namespace

QVariant FileListWording::data(const QModelIndex &index, int role) const
{
    const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
    if (role != Qt::DisplayRole || !files || (index.column() != sizeColumn && index.column() != dateColumn))
        return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    if (index.column() == dateColumn)
        return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
    if (files->isDir(source))
        return QIdentityProxyModel::data(index, role);
    return QLocale().formattedDataSize(files->size(source), 1, QLocale::DataSizeTraditionalFormat);
}

void wordFileListInProgramLocale(QFileDialog &dialog)
{
    dialog.setProxyModel(new FileListWording(&dialog));
    auto *list = dialog.findChild<QTreeView *>();
    auto *files = dialog.findChild<QFileSystemModel *>();
    if (!list || !files)
        return;
    fitColumns(list);
    // The first folder read may need more room than the dialog opens with: the dialog widens once, as far as
    // the screen allows, so that every column shows whole.
    auto widened = std::make_shared<bool>(false);
    QObject::connect(files, &QFileSystemModel::directoryLoaded, list, [&dialog, list, widened] {
        fitColumns(list);
        const int missing = list->header()->length() - list->viewport()->width();
        if (*widened || missing <= 0 || !dialog.screen())
            return;
        *widened = true;
        const int room = dialog.screen()->availableGeometry().width() - dialog.frameGeometry().width();
        dialog.resize(dialog.width() + qMin(missing, qMax(room, 0)), dialog.height());
    });
}
