#pragma once

#include "documents/core/filedialogsettings.h"
#include "documents/core/recoverystore.h"
#include "documents/documentcontrols.h"

#include <QObject>
#include <memory>

class FileChooser;

// The File menu's open and save commands: "Άνοιγμα Ιστοσελίδας", the hidden "Άνοιγμα και προβολή μόνο κώδικα"
// and "Αποθήκεση Ιστοσελίδας". Each asks for a file afresh, in a dialog that starts in the folder of the
// document's file and proposes its name (the session remembers both); saving over an existing file asks
// first.
class FileCommands : public QObject
{
    Q_OBJECT

public:
    explicit FileCommands(const DocumentControls &controls, QObject *parent = nullptr);
    ~FileCommands() override;

    // Replaces the file dialogs (tests answer them this way).
    void setFileChooser(std::unique_ptr<FileChooser> chooser);

    // Open a file into the code pane and refresh it.
    void openDocument();
    // Open a file and show only the code, with no refresh.
    void openCodeOnly();
    // Save the code pane's text to a file.
    void saveDocument();

Q_SIGNALS:
    // The code pane's text is about to be replaced as a whole: now is the time to keep it for recovery.
    void documentAboutToBeReplaced(RecoveryReason reason);
    // The code pane's text is now what the document's file holds: it was just opened (and refreshed) or
    // saved.
    void documentMatchesFile();
    // A file was opened to show only its code: the window shows the editor alone, the browser status strip
    // above it.
    void codeOnlyViewWanted();

private:
    // The dialog starts in the folder of the document's file and proposes its name.
    FileDialogSettings startingAtDocument(FileDialogSettings settings) const;
    // Loads the file into the code pane; false, with the reason shown, when it cannot be read.
    bool load(const QString &path);

    DocumentControls m_c;
    std::unique_ptr<FileChooser> m_chooser;
};
