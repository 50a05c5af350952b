#include "documents/core/recoverykeeper.h"

namespace {
constexpr int defaultSnapshotPeriodMs = 30 * 1000;
}

int RecoveryKeeper::snapshotPeriodMs()
{
    bool ok = false;
    const int period = qEnvironmentVariableIntValue("VELMARK_RECOVERY_SNAPSHOT_MS", &ok);
    return ok && period > 0 ? period : defaultSnapshotPeriodMs;
}

RecoveryKeeper::RecoveryKeeper(RecoveryStore *store, std::function<QString()> currentText, QObject *parent)
    : QObject(parent), m_store(store), m_currentText(std::move(currentText))
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

void RecoveryKeeper::keepCurrent(RecoveryReason reason)
{
    m_timer.stop();
    const QString text = m_currentText();
    if (!isWebMarkup(text))
        m_store->keep(text, reason);
}

void RecoveryKeeper::webPageShown(const QString &markup)
{
    m_webMarkup = markup;
}

void RecoveryKeeper::snapshot()
{
    const QString text = m_currentText();
    if (!isWebMarkup(text))
        m_store->keep(text, RecoveryReason::Automatic);
}
