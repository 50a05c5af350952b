#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>

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

// One kept text, as the recovery window lists it.
struct RecoveryEntry
{
    QString path; // the file that holds the text (UTF-8)
    QDateTime when;
    RecoveryReason reason = RecoveryReason::Automatic;
    QString title;   // the page's title, else its first heading, else ""
    qint64 size = 0; // bytes on disk
};

// The pupil's recent texts on disk, so that no click, close, crash or power cut loses more than a few seconds
// of work. Each text is one file in a folder readable by the user alone, written atomically; each distinct
// text is kept once; the newest `maximumEntries` texts within `maximumBytes` are kept (the newest always).
// Failures to write never interrupt the pupil: they are reported by one line on standard error.
class RecoveryStore
{
public:
    static constexpr int maximumEntries = 20;
    static constexpr qint64 maximumBytes = 20 * 1024 * 1024;

    // The store in a folder; the default is "recovery" in the user's data folder of the program.
    explicit RecoveryStore(const QString &folder = defaultFolder());
    static QString defaultFolder();
    QString folder() const { return m_folder; }

    // A text that is never worth keeping (the untouched welcome page).
    void ignoreText(const QString &text);
    // Keeps a text; false when nothing was written: an empty or ignored text, a text already kept (whose
    // entry then becomes the newest), or a failure to write.
    bool keep(const QString &text, RecoveryReason reason,
              const QDateTime &when = QDateTime::currentDateTime());
    // The kept texts, newest first.
    QList<RecoveryEntry> entries() const;
    // The text of an entry ("" when it can no longer be read).
    static QString text(const RecoveryEntry &entry);

private:
    bool prepareFolder() const;
    // The kept texts, newest first, without their titles.
    QList<RecoveryEntry> listed() const;
    void trim() const;

    QString m_folder;
    QSet<QByteArray> m_ignored; // hashes of texts never kept
};

// The page's title, else the text of its first heading (h1-h6), tags and surrounding blanks removed; "" when
// it has neither.
QString pageCaption(const QString &text);
