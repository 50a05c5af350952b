#pragma once

#include <QWidget>

class HelpPane;
class QListWidget;
class QSplitter;

// `TForm2`: the program presentation window. A list of topics on the left; the chosen topic's explanation in
// a read-only pane on the right; a splitter between them.
class TForm2 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm2(QWidget *parent = nullptr);

    QWidget *Panel2;       // left column, holding the topic list
    QListWidget *ListBox1; // the topics
    QSplitter *Splitter1;  // between the topic list and the pane
    QWidget *Panel3;       // right column
    QWidget *Panel4;       // holds the pane
    HelpPane *RichEdit1;   // the chosen topic's explanation

    // `ListBox1Click`: fills the pane with the topic of the selected entry (empties it when none is
    // selected).
    void ListBox1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool m_placed = false;
};
