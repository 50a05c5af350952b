#pragma once

#include "documents/core/recoverystore.h"

#include <QObject>
#include <QTimer>

#include <functional>

class EditingSession;

// Decides when the pupil's text is kept for recovery: the outgoing text of every whole-text replacement, the
// text at closing, and a snapshot a while after the text changed (no timer runs while nothing changes). A
// browsed page's markup in the code pane is the web's, not the pupil's: it is not kept again. Each text is
// kept with where it came from, as the session knows it: the document's file and whether the text is still
// what that file holds, and the pupil's folder, where its relative pictures live.
class RecoveryKeeper : public QObject
{
    Q_OBJECT

public:
    // The snapshot period; the environment variable VELMARK_RECOVERY_SNAPSHOT_MS sets another one (tests).
    static int snapshotPeriodMs();

    RecoveryKeeper(RecoveryStore *store, std::function<QString()> currentText, const EditingSession *session,
                   QObject *parent = nullptr);

    // The text changed: a snapshot follows within the period.
    void textChanged();
    // The current text is about to be replaced, or the window closes: it is kept now.
    void keepCurrent(RecoveryReason reason);
    // The code pane now holds a browsed page's markup.
    void webPageShown(const QString &markup);
    // The current text is what the document's file holds: it was just opened from it or saved to it.
    void textMatchesFile();

    RecoveryStore *store() const { return m_store; }

private:
    void snapshot();
    bool isWebMarkup(const QString &text) const;
    void keep(const QString &text, RecoveryReason reason);

    RecoveryStore *m_store;
    std::function<QString()> m_currentText;
    const EditingSession *m_session;
    QTimer m_timer;
    QString m_webMarkup; // the last page markup the pane was given
    QString m_fileText;  // the text as the document's file holds it
};
