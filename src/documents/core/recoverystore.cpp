#include "documents/core/recoverystore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A kept text is a file "<order>-<reason>-<hash>.velmark": a line of JSON saying when it was kept and where
// it came from, then the text in UTF-8. The order sorts them, the hash finds a text kept before. Earlier
// versions wrote "<time>-<reason>-<hash>.html", the text alone.
const QString keptSuffix = QStringLiteral(".velmark");
const QString earlierTimeFormat = QStringLiteral("yyyyMMdd'T'HHmmsszzz");
// The number of the newest text the pupil was told of at a start.
const QString announcedFileName = QStringLiteral("announced");
// Orders beyond this are no name the store wrote.
constexpr qint64 largestOrder = 999'999'999'999'999;
// What is read of a text to find its caption and where it came from.
constexpr qint64 captionBytes = 64 * 1024;
constexpr int captionWords = 8;
constexpr int captionLength = 60;
constexpr int captionEndWords = 4;
// A fresh file older than this (or dated this far ahead) was left by a writer that never finished.
constexpr qint64 abandonedAfterSeconds = 10 * 60;

struct ReasonName
{
    RecoveryReason reason;
    const char *name;
};
constexpr ReasonName reasonNames[] = {
    {RecoveryReason::BeforeTemplate, "template"}, {RecoveryReason::BeforeOpen, "open"},
    {RecoveryReason::BeforeWebPage, "webpage"},   {RecoveryReason::BeforeRestore, "restore"},
    {RecoveryReason::AtClose, "close"},           {RecoveryReason::Automatic, "auto"},
};

QString reasonName(RecoveryReason reason)
{
    for (const ReasonName &r : reasonNames)
        if (r.reason == reason)
            return QString::fromLatin1(r.name);
    return QStringLiteral("auto");
}

QByteArray textHash(const QString &text)
{
    return QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
}

void reportFailure(const QString &what)
{
    std::fprintf(stderr, "velmark: the text could not be kept for recovery: %s\n", qPrintable(what));
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// At most `limit` bytes of a regular file, opened without following a link and without waiting on a FIFO;
// nothing when it is no regular file or cannot be read.
std::optional<QByteArray> readRegularFile(const QString &path, qint64 limit)
{
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    QByteArray bytes(qsizetype(std::min<qint64>(limit, status.st_size)), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    ::close(fd);
    bytes.truncate(done);
    return bytes;
}

// Writes bytes to a fresh file of the folder, created by this call alone (readable by the user alone) and
// synced to disk; its path, or "" on failure.
QString writeFreshFile(const QString &folder, const QByteArray &bytes)
{
    QByteArray path = QFile::encodeName(QDir(folder).filePath(QStringLiteral(".keeping-XXXXXX")));
    const int fd = ::mkostemp(path.data(), O_CLOEXEC);
    if (fd < 0) {
        reportFailure(QStringLiteral("cannot create a file in %1: %2").arg(folder, systemError()));
        return QString();
    }
    qsizetype done = 0;
    bool ok = true;
    while (ok && done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        done += ok ? n : 0;
    }
    ok = ok && ::fsync(fd) == 0;
    if (!ok)
        reportFailure(systemError());
    ok = ::close(fd) == 0 && ok;
    if (!ok) {
        ::unlink(path.constData());
        return QString();
    }
    return QFile::decodeName(path);
}

// Gives a fresh file a name that nothing in the folder has yet, not even a link: false with errno EEXIST when
// the name is taken.
bool nameFreshFile(const QString &fresh, const QString &name)
{
    const QByteArray from = QFile::encodeName(fresh);
    const QByteArray to = QFile::encodeName(name);
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system that cannot rename without replacing: a second name, which is never put over another.
    if (::link(from.constData(), to.constData()) != 0)
        return false;
    ::unlink(from.constData());
    return true;
}

struct KeptName
{
    qint64 order = 0; // 0: named by an earlier version, by the time
    QDateTime earlierTime;
    RecoveryReason reason = RecoveryReason::Automatic;
    QString hash;
};

std::optional<KeptName> parseKeptName(const QString &fileName)
{
    static const QRegularExpression kept(QStringLiteral("^([0-9]{1,15})-([a-z]+)-([0-9a-f]{32})\\.velmark$"));
    static const QRegularExpression earlier(
        QStringLiteral("^([0-9]{8}T[0-9]{9})-([a-z]+)-([0-9a-f]{32})\\.html$"));
    KeptName name;
    QRegularExpressionMatch match = kept.match(fileName);
    if (match.hasMatch()) {
        name.order = match.captured(1).toLongLong();
        if (name.order <= 0 || name.order > largestOrder)
            return std::nullopt;
    } else {
        match = earlier.match(fileName);
        if (!match.hasMatch())
            return std::nullopt;
        name.earlierTime = QDateTime::fromString(match.captured(1), earlierTimeFormat);
        if (!name.earlierTime.isValid())
            return std::nullopt;
    }
    for (const ReasonName &r : reasonNames)
        if (match.captured(2) == QLatin1String(r.name))
            name.reason = r.reason;
    name.hash = match.captured(3);
    return name;
}

// A kept file's bytes parted into where it came from and its text.
struct KeptFile
{
    QDateTime when;
    RecoveryOrigin origin;
    QByteArray text;
    qsizetype headingBytes = 0; // the line before the text
};

QByteArray keptFileBytes(const QString &text, const RecoveryOrigin &origin, const QDateTime &when)
{
    QJsonObject about;
    about.insert(QStringLiteral("time"), when.toUTC().toString(Qt::ISODateWithMs));
    about.insert(QStringLiteral("file"), origin.file);
    about.insert(QStringLiteral("folder"), origin.folder);
    about.insert(QStringLiteral("saved"), origin.saved);
    return QJsonDocument(about).toJson(QJsonDocument::Compact) + '\n' + text.toUtf8();
}

KeptFile parseKeptFile(const QByteArray &bytes, bool newFormat)
{
    KeptFile kept;
    if (!newFormat) {
        kept.text = bytes;
        return kept;
    }
    const qsizetype lineEnd = bytes.indexOf('\n');
    const QJsonObject about =
        QJsonDocument::fromJson(lineEnd < 0 ? QByteArray() : bytes.left(lineEnd)).object();
    if (about.isEmpty()) {
        kept.text = bytes;
        return kept;
    }
    kept.when = QDateTime::fromString(about.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs)
                    .toLocalTime();
    kept.origin.file = about.value(QStringLiteral("file")).toString();
    kept.origin.folder = about.value(QStringLiteral("folder")).toString();
    kept.origin.saved = about.value(QStringLiteral("saved")).toBool();
    kept.text = bytes.mid(lineEnd + 1);
    kept.headingBytes = lineEnd + 1;
    return kept;
}

bool isNewFormat(const QString &path)
{
    return path.endsWith(keptSuffix);
}

// What a reader sees of some markup: its text without tags, comments, scripts, styles or head, and the text
// of its first heading (h1-h6). Linear in the markup's length whatever it holds.
struct VisibleText
{
    QString text;
    QString heading;
};

VisibleText visibleText(QStringView html)
{
    const QString lower = html.toString().toLower();
    QString shown;
    qsizetype headingStart = -1;
    qsizetype headingEnd = -1;
    QString headingName;
    qsizetype pos = 0;
    while (pos < html.size()) {
        if (html[pos] != u'<') {
            shown += html[pos++];
            continue;
        }
        if (QStringView(lower).mid(pos, 4) == QLatin1String("<!--")) {
            const qsizetype end = lower.indexOf(QLatin1String("-->"), pos + 4);
            if (end < 0)
                break;
            pos = end + 3;
            shown += u' ';
            continue;
        }
        const qsizetype close = lower.indexOf(u'>', pos);
        if (close < 0)
            break;
        const bool closing = pos + 1 < close && lower[pos + 1] == u'/';
        const qsizetype nameStart = pos + (closing ? 2 : 1);
        qsizetype nameEnd = nameStart;
        while (nameEnd < close && lower[nameEnd].isLetterOrNumber())
            ++nameEnd;
        const QString name = lower.mid(nameStart, nameEnd - nameStart);
        pos = close + 1;
        shown += u' ';
        const bool heading = name.size() == 2 && name[0] == u'h' && name[1] >= u'1' && name[1] <= u'6';
        if (heading && !closing && headingStart < 0) {
            headingStart = shown.size();
            headingName = name;
        } else if (closing && name == headingName && headingEnd < 0) {
            headingEnd = shown.size();
        }
        if (!closing && (name == QLatin1String("script") || name == QLatin1String("style") ||
                         name == QLatin1String("title") || name == QLatin1String("head"))) {
            const qsizetype end = lower.indexOf(QLatin1String("</") + name, pos);
            if (end < 0)
                break;
            pos = end;
        }
    }
    VisibleText visible;
    if (headingStart >= 0)
        visible.heading =
            shown.mid(headingStart, (headingEnd < 0 ? shown.size() : headingEnd) - headingStart).simplified();
    visible.text = shown.simplified();
    return visible;
}

// A caption cut to a few words and a readable length.
QString shortened(const QString &text)
{
    QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    const bool more = words.size() > captionWords;
    QString caption = words.mid(0, captionWords).join(u' ');
    if (caption.size() > captionLength) {
        caption.truncate(captionLength);
        return caption.trimmed() + QStringLiteral("…");
    }
    return more ? caption + QStringLiteral("…") : caption;
}

// Reads the start of an entry's file for when it was kept, where it came from and its caption.
void describe(RecoveryEntry &entry)
{
    const std::optional<QByteArray> start = readRegularFile(entry.path, captionBytes);
    if (!start)
        return;
    const KeptFile kept = parseKeptFile(*start, isNewFormat(entry.path));
    if (kept.when.isValid())
        entry.when = kept.when;
    entry.origin = kept.origin;
    entry.size = std::max<qint64>(0, entry.size - kept.headingBytes);
    entry.caption = recoveryCaption(QString::fromUtf8(kept.text), kept.origin);
}

} // namespace

QString recoveryReasonText(RecoveryReason reason)
{
    switch (reason) {
    case RecoveryReason::BeforeTemplate:
        return QStringLiteral("πριν από πρότυπο");
    case RecoveryReason::BeforeOpen:
        return QStringLiteral("πριν από άνοιγμα αρχείου");
    case RecoveryReason::BeforeWebPage:
        return QStringLiteral("πριν από ιστοσελίδα");
    case RecoveryReason::BeforeRestore:
        return QStringLiteral("πριν από ανάκτηση");
    case RecoveryReason::AtClose:
        return QStringLiteral("στο κλείσιμο");
    case RecoveryReason::Automatic:
        break;
    }
    return QStringLiteral("αυτόματα");
}

QString recoveryCaption(const QString &text, const RecoveryOrigin &origin)
{
    if (!origin.file.isEmpty())
        return QFileInfo(origin.file).fileName();
    const QStringView start = QStringView(text).left(captionBytes);
    const QString lower = start.toString().toLower();
    const qsizetype body = lower.indexOf(QLatin1String("<body"));
    qsizetype bodyStart = 0;
    if (body >= 0) {
        const qsizetype open = lower.indexOf(u'>', body);
        bodyStart = open < 0 ? lower.size() : open + 1;
    }
    const VisibleText visible = visibleText(start.mid(bodyStart));
    const QStringList words = visible.text.split(u' ', Qt::SkipEmptyParts);
    // Texts that grew from the same page share its heading and first words; the words the pupil added last
    // tell them apart.
    const auto withLastWords = [&words](const QString &caption, qsizetype wordsShown) {
        if (words.size() <= wordsShown + captionEndWords)
            return caption;
        return caption + QStringLiteral(" … ") + words.mid(words.size() - captionEndWords).join(u' ');
    };
    if (!visible.heading.isEmpty())
        return withLastWords(shortened(visible.heading), visible.heading.count(u' ') + 1);
    return withLastWords(shortened(words.join(u' ')), captionWords);
}

QString unsavedTextNotice(const RecoveryEntry &entry)
{
    const QLocale greek(QLocale::Greek, QLocale::Greece);
    QString which = greek.toString(entry.when, QStringLiteral("dd/MM/yyyy HH:mm"));
    if (!entry.caption.isEmpty())
        which = QStringLiteral("«%1», %2").arg(entry.caption, which);
    return QStringLiteral("Βρέθηκε κείμενο που δεν αποθηκεύτηκε ποτέ σε αρχείο (%1). Μπορείτε να το πάρετε "
                          "πίσω από την «Ανάκτηση Κειμένου…».")
        .arg(which);
}

RecoveryStore::RecoveryStore(const QString &folder) : m_folder(folder) {}

QString RecoveryStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recovery");
}

void RecoveryStore::ignoreText(const QString &text)
{
    m_ignored.insert(textHash(text));
}

bool RecoveryStore::prepareFolder() const
{
    QDir dir(m_folder);
    if (!dir.exists() && !QDir().mkpath(m_folder)) {
        reportFailure(QStringLiteral("cannot create %1").arg(m_folder));
        return false;
    }
    // The texts are the pupil's own: nobody else may read them.
    QFile::setPermissions(m_folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return true;
}

bool RecoveryStore::keep(const QString &text, RecoveryReason reason, const RecoveryOrigin &origin,
                         const QDateTime &when)
{
    if (text.trimmed().isEmpty())
        return false;
    const QByteArray hash = textHash(text);
    if (m_ignored.contains(hash))
        return false;
    const QByteArray bytes = keptFileBytes(text, origin, when);
    if (bytes.size() > maximumFileBytes) {
        reportFailure(QStringLiteral("the text is larger than %1 bytes").arg(maximumBytes));
        return false;
    }
    if (!prepareFolder())
        return false;
    const QList<RecoveryEntry> before = listed();
    const QString written = writeNewest(bytes, reason, hash);
    if (written.isEmpty())
        return false;
    // Kept already: the copy just written, with the newer reason and origin, takes the older one's place.
    bool keptBefore = false;
    for (const RecoveryEntry &entry : before) {
        if (QFileInfo(entry.path).completeBaseName().endsWith(QString::fromLatin1(hash))) {
            QFile::remove(entry.path);
            keptBefore = true;
        }
    }
    trim(written);
    return !keptBefore;
}

QString RecoveryStore::writeNewest(const QByteArray &bytes, RecoveryReason reason,
                                   const QByteArray &hash) const
{
    const QString fresh = writeFreshFile(m_folder, bytes);
    if (fresh.isEmpty())
        return QString();
    qint64 order = announcedOrder();
    for (const RecoveryEntry &entry : listed())
        order = std::max(order, entry.order);
    // Another instance of the program may take a number at the same moment: the next one is tried then.
    for (int attempt = 0; attempt < 100 && order < largestOrder; ++attempt) {
        ++order;
        const QString name = QDir(m_folder).filePath(QString::number(order) + u'-' + reasonName(reason) +
                                                     u'-' + QString::fromLatin1(hash) + keptSuffix);
        if (nameFreshFile(fresh, name))
            return name;
        if (errno != EEXIST)
            break;
    }
    reportFailure(QStringLiteral("cannot name the text in %1: %2").arg(m_folder, systemError()));
    ::unlink(QFile::encodeName(fresh).constData());
    return QString();
}

void RecoveryStore::trim(const QString &justWritten) const
{
    // The text just written stays whatever its size. Then the newest texts stay while they fit in the
    // bounds; a text too large for what is left goes, and older ones that still fit stay.
    const QList<RecoveryEntry> all = listed();
    qint64 bytes = 0;
    for (const RecoveryEntry &entry : all)
        if (entry.path == justWritten)
            bytes = entry.size;
    int count = 1;
    for (const RecoveryEntry &entry : all) {
        if (entry.path == justWritten)
            continue;
        if (count < maximumEntries && bytes + entry.size <= maximumBytes) {
            bytes += entry.size;
            ++count;
        } else {
            QFile::remove(entry.path);
        }
    }
    // A file left half written by a power cut: another instance writes one for a moment only.
    const QDateTime now = QDateTime::currentDateTime();
    const QFileInfoList fresh = QDir(m_folder).entryInfoList({QStringLiteral(".keeping-*")},
                                                             QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo &info : fresh)
        if (qAbs(info.lastModified().secsTo(now)) > abandonedAfterSeconds)
            QFile::remove(info.absoluteFilePath());
}

QList<RecoveryEntry> RecoveryStore::entries() const
{
    QList<RecoveryEntry> result = listed();
    for (RecoveryEntry &entry : result)
        describe(entry);
    return result;
}

QList<RecoveryEntry> RecoveryStore::listed() const
{
    QList<RecoveryEntry> result;
    // Regular files only: a link or a device planted in the folder is no kept text.
    const QFileInfoList files = QDir(m_folder).entryInfoList(QDir::Files | QDir::NoSymLinks, QDir::Name);
    for (const QFileInfo &info : files) {
        const std::optional<KeptName> name = parseKeptName(info.fileName());
        if (!name)
            continue;
        RecoveryEntry entry;
        entry.path = info.absoluteFilePath();
        entry.order = name->order;
        entry.when = name->earlierTime.isValid() ? name->earlierTime : info.lastModified();
        entry.reason = name->reason;
        entry.size = info.size();
        result.append(entry);
    }
    // Newest first: by the order of keeping, and the texts earlier versions kept after all others, by their
    // names.
    std::stable_sort(result.begin(), result.end(), [](const RecoveryEntry &a, const RecoveryEntry &b) {
        if (a.order != b.order)
            return a.order > b.order;
        return a.path > b.path;
    });
    return result;
}

QString RecoveryStore::text(const RecoveryEntry &entry)
{
    const std::optional<QByteArray> bytes = readRegularFile(entry.path, maximumFileBytes);
    if (!bytes)
        return QString();
    return QString::fromUtf8(parseKeptFile(*bytes, isNewFormat(entry.path)).text);
}

qint64 RecoveryStore::announcedOrder() const
{
    const std::optional<QByteArray> bytes = readRegularFile(QDir(m_folder).filePath(announcedFileName), 32);
    bool ok = false;
    const qint64 order = bytes ? bytes->trimmed().toLongLong(&ok) : 0;
    return ok && order > 0 && order <= largestOrder ? order : 0;
}

std::optional<RecoveryEntry> RecoveryStore::unsavedToAnnounce() const
{
    const QList<RecoveryEntry> all = listed();
    // Texts earlier versions kept say nothing of being saved: only the store's own are announced.
    if (all.isEmpty() || all.first().order <= announcedOrder())
        return std::nullopt;
    RecoveryEntry newest = all.first();
    describe(newest);
    if (newest.origin.saved)
        return std::nullopt;
    return newest;
}

void RecoveryStore::markAnnounced(const RecoveryEntry &entry)
{
    if (entry.order <= announcedOrder() || !prepareFolder())
        return;
    const QString fresh = writeFreshFile(m_folder, QByteArray::number(entry.order) + '\n');
    if (fresh.isEmpty())
        return;
    // Renaming puts the fresh file in place of whatever has the name, a planted link included, never
    // through it.
    if (::rename(QFile::encodeName(fresh).constData(),
                 QFile::encodeName(QDir(m_folder).filePath(announcedFileName)).constData()) != 0) {
        reportFailure(systemError());
        ::unlink(QFile::encodeName(fresh).constData());
    }
}
