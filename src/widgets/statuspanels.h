#pragma once

#include <QLabel>
#include <QList>
#include <QStringList>
#include <QWidget>

class QTimer;

// A status bar made of fixed-width text panels from left to right (`StatusBar1`, `StatusBar2`). Each panel is
// a label, so a screen reader reads its text; space right of the last panel stays free for hosted controls.
class StatusPanels : public QWidget
{
    Q_OBJECT

public:
    struct Panel
    {
        int width;
        Qt::Alignment alignment;
        bool raised;
        QString accessibleName;
    };

    StatusPanels(const QList<Panel> &panels, QWidget *parent = nullptr);

    // The panel's own text, also while a notice covers it.
    QString panelText(int index) const;
    void setPanelText(int index, const QString &text);
    // Shows a passing notice in a panel for a while, as a status bar shows a message; the panel's own text
    // comes back afterwards (a text set meanwhile is kept for then). A screen reader reads the notice as the
    // panel's description.
    void showNotice(int index, const QString &text, int milliseconds);
    // The notice shown now in a panel, empty when none.
    QString notice(int index) const;
    int panelWidth(int index) const;
    // Sum of the widths of all panels.
    int panelsWidth() const;
    QLabel *panelLabel(int index) const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showOnLabel(int index, const QString &text);
    void endNotice();

    QList<QLabel *> m_labels;
    QStringList m_texts;
    int m_noticePanel = -1;
    QString m_notice;
    QTimer *m_noticeTimer = nullptr;
};
