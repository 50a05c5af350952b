#include "documents/core/recoverykeeper.h"

#include "core/editingsession.h"

namespace {
constexpr int defaultSnapshotPeriodMs = 30 * 1000;
}

int RecoveryKeeper::snapshotPeriodMs()
{
    bool ok = false;
    const int period = qEnvironmentVariableIntValue("VELMARK_RECOVERY_SNAPSHOT_MS", &ok);
    return ok && period > 0 ? period : defaultSnapshotPeriodMs;
}

RecoveryKeeper::RecoveryKeeper(RecoveryStore *store, std::function<QString()> currentText,
                               const EditingSession *session, QObject *parent)
    : QObject(parent), m_store(store), m_currentText(std::move(currentText)), m_session(session)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(snapshotPeriodMs());
    connect(&m_timer, &QTimer::timeout, this, &RecoveryKeeper::snapshot);
}

void RecoveryKeeper::textChanged()
{
    // The first change after a snapshot starts the period; later changes ride along with it.
    if (!m_timer.isActive())
        m_timer.start();
}

bool RecoveryKeeper::isWebMarkup(const QString &text) const
{
    return !m_webMarkup.isNull() && text == m_webMarkup;
}

void RecoveryKeeper::keep(const QString &text, RecoveryReason reason)
{
    if (isWebMarkup(text))
        return;
    RecoveryOrigin origin;
    if (m_session) {
        origin.file = m_session->documentFile();
        origin.folder = m_session->pupilFolder();
    }
    origin.saved = !origin.file.isEmpty() && text == m_fileText;
    m_store->keep(text, reason, origin);
}

void RecoveryKeeper::keepCurrent(RecoveryReason reason)
{
    m_timer.stop();
    keep(m_currentText(), reason);
}

void RecoveryKeeper::webPageShown(const QString &markup)
{
    m_webMarkup = markup;
}

void RecoveryKeeper::textMatchesFile()
{
    m_fileText = m_currentText();
}

void RecoveryKeeper::snapshot()
{
    keep(m_currentText(), RecoveryReason::Automatic);
}
