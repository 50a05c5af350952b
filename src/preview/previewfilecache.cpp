#include "previewfilecache.h"

#include <QFile>
#include <QMimeDatabase>

#include <sys/stat.h>

PreviewFileCache::PreviewFileCache(qint64 budgetBytes, qint64 largestFileBytes)
    : m_budget(budgetBytes), m_largestFile(qMin(largestFileBytes, budgetBytes))
{
}

// What tells one version of a file from another: a file rewritten, replaced or touched changes at least one.
std::optional<PreviewFileCache::Stamp> PreviewFileCache::stampOf(const QString &path)
{
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    Stamp stamp;
    stamp.size = qint64(info.st_size);
    stamp.modifiedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    stamp.changedNs = qint64(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec;
    stamp.inode = quint64(info.st_ino);
    return stamp;
}

std::optional<PreviewFileCache::File> PreviewFileCache::read(const QString &path)
{
    const std::optional<Stamp> stamp = stampOf(path);
    if (!stamp)
        return std::nullopt;
    const auto kept = m_entries.find(path);
    if (kept != m_entries.end()) {
        if (kept->stamp == *stamp) {
            kept->lastUse = ++m_uses;
            return kept->file;
        }
        m_kept -= kept->file.bytes.size();
        m_entries.erase(kept);
    }
    if (stamp->size > m_largestFile)
        return std::nullopt;
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return std::nullopt;
    ++m_diskReads;
    Entry entry;
    entry.file.bytes = source.readAll();
    // A file that changed while it was read is served, and read again next time.
    entry.stamp = stampOf(path).value_or(Stamp());
    entry.file.mimeType =
        QMimeDatabase().mimeTypeForFileNameAndData(path, entry.file.bytes).name().toLatin1();
    entry.lastUse = ++m_uses;
    if (entry.stamp == *stamp && entry.file.bytes.size() == stamp->size) {
        makeRoomFor(entry.file.bytes.size());
        m_kept += entry.file.bytes.size();
        m_entries.insert(path, entry);
    }
    return entry.file;
}

void PreviewFileCache::makeRoomFor(qint64 bytes)
{
    while (!m_entries.isEmpty() && m_kept + bytes > m_budget) {
        auto oldest = m_entries.begin();
        for (auto it = m_entries.begin(); it != m_entries.end(); ++it)
            if (it->lastUse < oldest->lastUse)
                oldest = it;
        m_kept -= oldest->file.bytes.size();
        m_entries.erase(oldest);
    }
}
