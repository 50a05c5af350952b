#pragma once

#include "documents/core/recoverystore.h"

#include <QObject>
#include <QTimer>

#include <functional>

// Decides when the pupil's text is kept for recovery: the outgoing text of every whole-text replacement, the
// text at closing, and a snapshot a while after the text changed (no timer runs while nothing changes). A
// browsed page's markup in the code pane is the web's, not the pupil's: it is not kept again.
class RecoveryKeeper : public QObject
{
    Q_OBJECT

public:
    // The snapshot period; the environment variable VELMARK_RECOVERY_SNAPSHOT_MS sets another one (tests).
    static int snapshotPeriodMs();

    RecoveryKeeper(RecoveryStore *store, std::function<QString()> currentText, QObject *parent = nullptr);

    // The text changed: a snapshot follows within the period.
    void textChanged();
    // The current text is about to be replaced, or the window closes: it is kept now.
    void keepCurrent(RecoveryReason reason);
    // The code pane now holds a browsed page's markup.
    void webPageShown(const QString &markup);

    RecoveryStore *store() const { return m_store; }

private:
    void snapshot();
    bool isWebMarkup(const QString &text) const;

    RecoveryStore *m_store;
    std::function<QString()> m_currentText;
    QTimer m_timer;
    QString m_webMarkup; // the last page markup the pane was given
};
