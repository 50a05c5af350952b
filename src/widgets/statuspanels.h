#pragma once

#include <QLabel>
#include <QList>
#include <QWidget>

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

    QString panelText(int index) const;
    void setPanelText(int index, const QString &text);
    int panelWidth(int index) const;
    // Sum of the widths of all panels.
    int panelsWidth() const;
    QLabel *panelLabel(int index) const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QList<QLabel *> m_labels;
};
