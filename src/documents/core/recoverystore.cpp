#include "documents/core/recoverystore.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>

namespace {

// File names read "<time>-<reason>-<hash>.html": the time sorts them, the hash finds a text kept before.
const QString timeFormat = QStringLiteral("yyyyMMdd'T'HHmmsszzz");

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

QString withoutTags(QString text)
{
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    text.remove(tags);
    return text.simplified();
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

QString pageCaption(const QString &text)
{
    static const QRegularExpression title(QStringLiteral("<title[^>]*>(.*?)</title\\s*>"),
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression heading(QStringLiteral("<h([1-6])[^>]*>(.*?)</h\\1\\s*>"),
                                            QRegularExpression::CaseInsensitiveOption |
                                                QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch t = title.match(text);
    if (t.hasMatch()) {
        const QString caption = withoutTags(t.captured(1));
        if (!caption.isEmpty())
            return caption;
    }
    const QRegularExpressionMatch h = heading.match(text);
    return h.hasMatch() ? withoutTags(h.captured(2)) : QString();
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

bool RecoveryStore::keep(const QString &text, RecoveryReason reason, const QDateTime &when)
{
    if (text.trimmed().isEmpty())
        return false;
    const QByteArray hash = textHash(text);
    if (m_ignored.contains(hash))
        return false;
    if (!prepareFolder())
        return false;
    const QString fileName = when.toString(timeFormat) + QLatin1Char('-') + reasonName(reason) +
                             QLatin1Char('-') + QString::fromLatin1(hash) + QStringLiteral(".html");
    const QString path = QDir(m_folder).filePath(fileName);

    QDir dir(m_folder);
    const QStringList same = dir.entryList(
        {QStringLiteral("*-") + QString::fromLatin1(hash) + QStringLiteral(".html")}, QDir::Files);
    if (!same.isEmpty()) {
        // Kept already: the entry moves up to now, under the newer reason.
        if (!dir.rename(same.first(), fileName))
            reportFailure(QStringLiteral("cannot rename %1").arg(same.first()));
        for (int i = 1; i < same.size(); ++i)
            dir.remove(same[i]);
        return false;
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        reportFailure(file.errorString());
        return false;
    }
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    file.write(text.toUtf8());
    if (!file.commit()) {
        reportFailure(file.errorString());
        return false;
    }
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    trim();
    return true;
}

void RecoveryStore::trim() const
{
    const QList<RecoveryEntry> all = listed();
    qint64 bytes = 0;
    for (int i = 0; i < all.size(); ++i) {
        bytes += all[i].size;
        if (i > 0 && (i >= maximumEntries || bytes > maximumBytes))
            QFile::remove(all[i].path);
    }
}

QList<RecoveryEntry> RecoveryStore::entries() const
{
    QList<RecoveryEntry> result = listed();
    for (RecoveryEntry &entry : result)
        entry.title = pageCaption(text(entry));
    return result;
}

QList<RecoveryEntry> RecoveryStore::listed() const
{
    QList<RecoveryEntry> result;
    const QFileInfoList files =
        QDir(m_folder).entryInfoList({QStringLiteral("*.html")}, QDir::Files, QDir::Name | QDir::Reversed);
    for (const QFileInfo &info : files) {
        const QStringList parts = info.completeBaseName().split(QLatin1Char('-'));
        if (parts.size() != 3)
            continue;
        RecoveryEntry entry;
        entry.path = info.absoluteFilePath();
        entry.when = QDateTime::fromString(parts[0], timeFormat);
        if (!entry.when.isValid())
            continue;
        for (const ReasonName &r : reasonNames)
            if (parts[1] == QLatin1String(r.name))
                entry.reason = r.reason;
        entry.size = info.size();
        result.append(entry);
    }
    return result;
}

QString RecoveryStore::text(const RecoveryEntry &entry)
{
    QFile file(entry.path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}
