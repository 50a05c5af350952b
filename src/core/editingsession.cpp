#include "core/editingsession.h"

#include <QFileInfo>

EditingSession::EditingSession(QObject *parent) : QObject(parent) {}

void EditingSession::setMode(DocumentMode mode)
{
    if (mode == m_mode)
        return;
    m_mode = mode;
    Q_EMIT modeChanged(mode);
}

void EditingSession::rememberFile(const QString &path)
{
    m_documentFile = QFileInfo(path).absoluteFilePath();
    rememberFolder(QFileInfo(path).absolutePath());
}

void EditingSession::rememberFolder(const QString &folder)
{
    if (folder == m_pupilFolder)
        return;
    m_pupilFolder = folder;
    Q_EMIT pupilFolderChanged(folder);
}

void EditingSession::forgetDocumentFile()
{
    m_documentFile.clear();
}
