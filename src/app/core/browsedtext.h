#pragma once

#include <QString>

// Which text of the code pane is the pupil's while the window browses. Every page's markup fills the code
// pane; the text the first page replaced is the pupil's and is kept. When the window edits again and the pane
// still holds the markup a page put there, the pupil's text is what goes back into it; a text the pupil or a
// command put into the pane since then stays.
class BrowsedText
{
public:
    // A page's markup replaced `replaced`, the text of the file `replacedFile` (empty: none), in the code
    // pane, which now holds `shown`.
    void pageShown(const QString &replaced, const QString &replacedFile, const QString &shown);
    // Whether the code pane, holding `current`, holds the markup the last page put there.
    bool holdsPageMarkup(const QString &current) const;
    // Whether pages have filled the code pane since the window last edited.
    bool browsing() const { return m_browsing; }
    // The pupil's text, which the first page's markup replaced.
    const QString &pupilsText() const { return m_pupils; }
    // The file the pupil's text was opened from or saved to; empty when none.
    const QString &pupilsFile() const { return m_pupilsFile; }
    // The window edits again: nothing is kept any more.
    void forget();

private:
    bool m_browsing = false;
    QString m_pupils;
    QString m_pupilsFile;
    QString m_shown;
};
