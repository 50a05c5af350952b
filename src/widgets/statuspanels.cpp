#include "widgets/statuspanels.h"

#include <QTimer>

StatusPanels::StatusPanels(const QList<Panel> &panels, QWidget *parent) : QWidget(parent)
{
    int left = 0;
    for (const Panel &p : panels) {
        auto *label = new QLabel(this);
        label->setAlignment(p.alignment | Qt::AlignVCenter);
        label->setFrameStyle(QFrame::Panel | (p.raised ? QFrame::Raised : QFrame::Sunken));
        label->setGeometry(left, 0, p.width, height());
        label->setAccessibleName(p.accessibleName);
        label->setTextInteractionFlags(Qt::NoTextInteraction);
        left += p.width;
        m_labels.append(label);
        m_texts.append(QString());
    }
}

QString StatusPanels::panelText(int index) const
{
    return m_texts.value(index);
}

void StatusPanels::setPanelText(int index, const QString &text)
{
    if (index < 0 || index >= m_texts.size())
        return;
    m_texts[index] = text;
    if (index != m_noticePanel)
        showOnLabel(index, text);
}

void StatusPanels::showOnLabel(int index, const QString &text)
{
    if (QLabel *label = m_labels.value(index)) {
        label->setText(text);
        label->setAccessibleDescription(text);
    }
}

void StatusPanels::showNotice(int index, const QString &text, int milliseconds)
{
    if (index < 0 || index >= m_labels.size())
        return;
    if (m_noticePanel >= 0 && m_noticePanel != index)
        showOnLabel(m_noticePanel, m_texts[m_noticePanel]);
    if (!m_noticeTimer) {
        m_noticeTimer = new QTimer(this);
        m_noticeTimer->setSingleShot(true);
        connect(m_noticeTimer, &QTimer::timeout, this, &StatusPanels::endNotice);
    }
    m_noticePanel = index;
    m_notice = text;
    showOnLabel(index, text);
    m_noticeTimer->start(milliseconds);
}

QString StatusPanels::notice(int index) const
{
    return index == m_noticePanel ? m_notice : QString();
}

void StatusPanels::endNotice()
{
    const int index = m_noticePanel;
    m_noticePanel = -1;
    m_notice.clear();
    if (index >= 0)
        showOnLabel(index, m_texts[index]);
}

int StatusPanels::panelWidth(int index) const
{
    return m_labels.value(index) ? m_labels[index]->width() : 0;
}

int StatusPanels::panelsWidth() const
{
    int sum = 0;
    for (const QLabel *label : m_labels)
        sum += label->width();
    return sum;
}

QLabel *StatusPanels::panelLabel(int index) const
{
    return m_labels.value(index);
}

void StatusPanels::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    for (QLabel *label : m_labels)
        label->resize(label->width(), height());
}
