#include "documents/core/textfile.h"

#include "documents/core/documentmessages.h"
#include "documents/core/filefailure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

TextFileRead readTextFile(const QString &path)
{
    TextFileRead result;
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (!info.exists()) {
        result.message = DocumentMessages::fileNotFound(name);
        return result;
    }
    if (info.isDir()) {
        result.message = DocumentMessages::isFolder(name);
        return result;
    }
    if (!info.isFile()) {
        result.message = DocumentMessages::notRegularFile(name);
        return result;
    }
    if (info.size() > maximumDocumentBytes) {
        result.message = DocumentMessages::tooLarge(name);
        return result;
    }
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        result.message = DocumentMessages::cannotRead(name, fileFailureReason(file, errno));
        return result;
    }
    // The file may have grown since it was looked at: one byte more than allowed tells.
    errno = 0;
    const QByteArray bytes = file.read(maximumDocumentBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        result.message = DocumentMessages::cannotRead(name, fileFailureReason(file, errno));
        return result;
    }
    if (bytes.size() > maximumDocumentBytes) {
        result.message = DocumentMessages::tooLarge(name);
        return result;
    }
    const DecodedText decoded = decodeText(bytes);
    if (decoded.binary) {
        result.message = DocumentMessages::notText(name);
        return result;
    }
    result.ok = true;
    result.text = decoded.text;
    if (decoded.malformed)
        result.message = DocumentMessages::malformedCharacters(name);
    return result;
}

namespace {

// `errorCode` is errno as the failing call left it.
QString saveFailureReason(const QString &path, const QFileDevice &file, int errorCode)
{
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        return DocumentMessages::folderMissing(info.absolutePath());
    if (info.isDir())
        return DocumentMessages::folderHasThatName();
    return fileFailureReason(file, errorCode);
}

} // namespace

TextFileWrite writeTextFile(const QString &path, const QString &text)
{
    TextFileWrite result;
    const EncodedText encoded = encodeText(text);
    result.encoding = encoded.encoding;
    const QString name = QFileInfo(path).fileName();
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        result.message = DocumentMessages::cannotSave(name, saveFailureReason(path, file, errno));
        return result;
    }
    errno = 0;
    if (file.write(encoded.bytes) != encoded.bytes.size()) {
        const QString reason = saveFailureReason(path, file, errno);
        file.cancelWriting();
        file.commit();
        result.message = DocumentMessages::cannotSave(name, reason);
        return result;
    }
    errno = 0;
    if (!file.commit()) {
        result.message = DocumentMessages::cannotSave(name, saveFailureReason(path, file, errno));
        return result;
    }
    result.ok = true;
    if (encoded.droppedNulCharacters > 0)
        result.message = DocumentMessages::nulCharactersLeftOut(name);
    return result;
}
