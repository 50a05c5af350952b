#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

// The files of the pupil's folder that preview documents show (images, style sheets, scripts), kept in
// memory. Every refresh loads the document in a fresh renderer, which asks for each of its files again; a
// file unchanged on disk since it was read is answered from memory, a changed one is read anew. Large files
// (films, sounds) are not kept, and the least recently used files go when the budget is full.
class PreviewFileCache
{
public:
    struct File
    {
        QByteArray bytes;
        QByteArray mimeType;
    };

    explicit PreviewFileCache(qint64 budgetBytes = 64 * 1024 * 1024,
                              qint64 largestFileBytes = 8 * 1024 * 1024);

    // The file's contents and type; nothing when it cannot be read or is too large to keep (the caller then
    // reads it from disk itself).
    std::optional<File> read(const QString &path);
    // How many times a file's contents were read from disk.
    int diskReads() const { return m_diskReads; }

private:
    struct Stamp
    {
        qint64 size = -1;
        qint64 modifiedNs = 0;
        qint64 changedNs = 0;
        quint64 inode = 0;
        bool operator==(const Stamp &other) const
        {
            return size == other.size && modifiedNs == other.modifiedNs && changedNs == other.changedNs &&
                   inode == other.inode;
        }
    };
    struct Entry
    {
        Stamp stamp;
        File file;
        quint64 lastUse = 0;
    };

    static std::optional<Stamp> stampOf(const QString &path);
    void makeRoomFor(qint64 bytes);

    qint64 m_budget;
    qint64 m_largestFile;
    qint64 m_kept = 0;
    quint64 m_uses = 0;
    int m_diskReads = 0;
    QHash<QString, Entry> m_entries;
};
