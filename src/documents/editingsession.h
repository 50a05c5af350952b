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
// which the address bar shows and sets, and the pupil's folder, the folder of the file last opened or saved
// (empty before any), from which the preview loads the page's relative images and styles.
class EditingSession : public QObject
{
    Q_OBJECT

public:
    explicit EditingSession(QObject *parent = nullptr);

    DocumentMode mode() const { return m_mode; }
    bool isEditing() const { return m_mode == DocumentMode::Editing; }
    void setMode(DocumentMode mode);

    QString pupilFolder() const { return m_pupilFolder; }
    // The file at `path` was opened or saved: its folder becomes the pupil's folder.
    void rememberFile(const QString &path);
    // A recovered text brings back the folder it was kept with: it becomes the pupil's folder.
    void rememberFolder(const QString &folder);

Q_SIGNALS:
    void modeChanged(DocumentMode mode);
    void pupilFolderChanged(const QString &folder);

private:
    DocumentMode m_mode = DocumentMode::Editing;
    QString m_pupilFolder;
};
