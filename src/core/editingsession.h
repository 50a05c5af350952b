#pragma once

#include <QObject>
#include <QString>

// Whether the window edits the pupil's document or browses the web: in editing mode the preview shows the
// document and the editing features act; in browsing mode the preview shows web pages and they stand still.
enum class DocumentMode
{
    Editing,
    Browsing
};

// The state every feature of the main window shares about the pupil's document, free of widgets: the mode,
// which the address bar shows and sets; the pupil's folder, the folder of the file last opened or saved
// (empty before any), from which the preview loads the page's relative images and styles and in which the
// file dialogs start; and the document's file, which the file dialogs propose.
class EditingSession : public QObject
{
    Q_OBJECT

public:
    explicit EditingSession(QObject *parent = nullptr);

    DocumentMode mode() const { return m_mode; }
    bool isEditing() const { return m_mode == DocumentMode::Editing; }
    void setMode(DocumentMode mode);

    QString pupilFolder() const { return m_pupilFolder; }
    // The file at `path` was opened or saved: it is the document's file, and its folder the pupil's folder.
    void rememberFile(const QString &path);
    // The file the document was last opened from or saved to; empty before any, and once a text from
    // elsewhere (a template, a web page, a recovered text) replaced the document.
    QString documentFile() const { return m_documentFile; }
    // A text from elsewhere replaced the document: it has no file of its own, the pupil's folder stays.
    void forgetDocumentFile();
    // A recovered text brings back the folder it was kept with: it becomes the pupil's folder.
    void rememberFolder(const QString &folder);

Q_SIGNALS:
    void modeChanged(DocumentMode mode);
    void pupilFolderChanged(const QString &folder);

private:
    DocumentMode m_mode = DocumentMode::Editing;
    QString m_pupilFolder;
    QString m_documentFile;
};
