#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>

#include <optional>

// Why a text was kept for recovery.
enum class RecoveryReason
{
    BeforeTemplate, // a template replaced it
    BeforeOpen,     // an opened file replaced it
    BeforeWebPage,  // a browsed page's markup replaced it
    BeforeRestore,  // a recovered text replaced it
    AtClose,        // the main window closed with it
    Automatic       // the periodic snapshot of a changed text
};

// The Greek words the recovery window shows for a reason.
QString recoveryReasonText(RecoveryReason reason);

// Where a kept text belongs: the file it came from and the folder its relative pictures and styles live in.
struct RecoveryOrigin
{
    QString file;       // the file the text was opened from or saved to; "" when none
    QString folder;     // the document's folder; "" when none
    bool saved = false; // the text is exactly what that file held when it was opened or saved
};

// One kept text, as the recovery window lists it.
struct RecoveryEntry
{
    QString path;     // the file that holds the text
    qint64 order = 0; // the order of keeping, higher is newer; 0 for a text an earlier version kept
    QDateTime when;   // when it was kept, as the clock said then
    RecoveryReason reason = RecoveryReason::Automatic;
    RecoveryOrigin origin;
    QString caption; // what tells it apart from the others (`recoveryCaption`)
    qint64 size = 0; // the bytes of the text
};

// The pupil's recent texts on disk, so that no click, close, crash or power cut loses more than a few seconds
// of work. Each text is one file in a folder readable by the user alone, written to a fresh file and then
// given its name, never following a link planted in the folder; each distinct text is kept once. The texts
// are ordered by a number the store counts up, never by the clock, which may be set back or repeat an hour:
// the newest `maximumEntries` texts within `maximumBytes` are kept, and the text just written always. Only
// regular files of the folder are listed, and no file is read past `maximumFileBytes`. Texts that earlier
// versions kept (named by the time) are still listed, after every newer one. Failures to write never
// interrupt the pupil: they are reported by one line on standard error.
class RecoveryStore
{
public:
    static constexpr int maximumEntries = 20;
    static constexpr qint64 maximumBytes = 20 * 1024 * 1024;
    // The largest file the store writes or reads: a text of the whole bound with room for where it came from.
    static constexpr qint64 maximumFileBytes = maximumBytes + 64 * 1024;

    // The store in a folder; the default is "recovery" in the user's data folder of the program.
    explicit RecoveryStore(const QString &folder = defaultFolder());
    static QString defaultFolder();
    QString folder() const { return m_folder; }

    // A text that is never worth keeping (the untouched welcome page).
    void ignoreText(const QString &text);
    // Keeps a text as the newest; false when nothing new was kept: an empty or ignored text, a text already
    // kept (written again as the newest, with this reason and origin, in place of the older copy), or a
    // failure to write.
    bool keep(const QString &text, RecoveryReason reason, const RecoveryOrigin &origin = {},
              const QDateTime &when = QDateTime::currentDateTime());
    // The kept texts, newest first.
    QList<RecoveryEntry> entries() const;
    // The text of an entry ("" when it can no longer be read).
    static QString text(const RecoveryEntry &entry);

    // The newest kept text when it was never saved to a file and the pupil has not been told of it yet.
    std::optional<RecoveryEntry> unsavedToAnnounce() const;
    // The pupil has been told of this text: `unsavedToAnnounce` passes over it and every older one.
    void markAnnounced(const RecoveryEntry &entry);

private:
    bool prepareFolder() const;
    // The kept texts, newest first, with only what their names say.
    QList<RecoveryEntry> listed() const;
    qint64 announcedOrder() const;
    // Writes the file's bytes to a fresh file and names it for the next number of keeping; its path, or ""
    // when it could not be written.
    QString writeNewest(const QByteArray &bytes, RecoveryReason reason, const QByteArray &hash) const;
    void trim(const QString &justWritten) const;

    QString m_folder;
    QSet<QByteArray> m_ignored; // hashes of texts never kept
};

// What tells a kept text apart: the name of the file it came from, else the text of its first heading
// (h1-h6), else the first words of its body; "" when it has none of these.
QString recoveryCaption(const QString &text, const RecoveryOrigin &origin);

// What the main window says at a start of a kept text that was never saved to a file.
QString unsavedTextNotice(const RecoveryEntry &entry);
