#include "widgets/statuspanels.h"

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
    }
}

QString StatusPanels::panelText(int index) const
{
    return m_labels.value(index) ? m_labels[index]->text() : QString();
}

void StatusPanels::setPanelText(int index, const QString &text)
{
    if (QLabel *label = m_labels.value(index)) {
        label->setText(text);
        label->setAccessibleDescription(text);
    }
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
