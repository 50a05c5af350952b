#pragma once

#include <QWidget>

class HelpPane;
class QListWidget;
class QSplitter;

// The program presentation window. A list of topics on the left; the chosen topic's explanation in
// a read-only pane on the right; a splitter between them.
class PresentationWindow : public QWidget
{
    Q_OBJECT

public:
    explicit PresentationWindow(QWidget *parent = nullptr);

    QWidget *listColumn() const { return m_listColumn; }
    QListWidget *topicList() const { return m_topicList; }
    QSplitter *splitter() const { return m_splitter; }
    QWidget *paneHolder() const { return m_paneHolder; }
    HelpPane *explanationPane() const { return m_explanationPane; }

    // Fills the pane with the topic of the selected entry (empties it when none is
    // selected).
    void showSelectedTopic();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *m_listColumn;       // `Panel2`: left column, holding the topic list
    QListWidget *m_topicList;    // `ListBox1`: the topics
    QSplitter *m_splitter;       // `Splitter1`: between the topic list and the pane
    QWidget *m_textColumn;       // `Panel3`: right column
    QWidget *m_paneHolder;       // `Panel4`: holds the pane
    HelpPane *m_explanationPane; // `RichEdit1`: the chosen topic's explanation
    bool m_placed = false;
};
