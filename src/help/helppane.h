#pragma once

#include <QTextEdit>

// The read-only rich-text pane of the help windows (`RichEdit1`): filled line by line, each line in its own
// colour and weight, with its text held away from the pane's edges by margins of its own.
class HelpPane : public QTextEdit
{
    Q_OBJECT

public:
    explicit HelpPane(QWidget *parent = nullptr);

    // Keeps the text this many pixels away from each edge of the pane.
    void setTextMargins(int left, int top, int right, int bottom);
    // Empties the pane and puts the caret at the start.
    void clearLines();
    // Adds a line at the end in a colour (0x00BBGGRR) and weight.
    void addLine(const QString &text, quint32 colour, bool bold);
    // The pane's lines, one string each.
    QStringList lines() const;

private:
    void applyMargins();

    QMargins m_margins;
    bool m_empty = true;
};
