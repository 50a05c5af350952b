#pragma once

#include "documents/documentcontrols.h"

#include <QObject>
#include <memory>

class FileChooser;

// The File menu's printing: "Εκτύπωση Κώδικα HTML" prints the code pane's lines on the default printer (or,
// on a machine without a printer, into a PDF file the user names), "Εκτύπωση Ιστοσελίδας" shows the print
// preview of the rendered page, from which the user prints.
class PrintCommands : public QObject
{
    Q_OBJECT

public:
    explicit PrintCommands(const DocumentControls &controls, QObject *parent = nullptr);
    ~PrintCommands() override;

    // Replaces the file dialog that names the PDF file (tests answer it this way).
    void setFileChooser(std::unique_ptr<FileChooser> chooser);

    // The source printout, then the number of pages printed.
    void printCodeListing();
    // The print preview of the page shown in the preview pane.
    void printPreview();

private:
    // How long the page may take to get ready to print before the print preview gives up on it.
    static constexpr int pagePrintPatienceMs = 5000;
    // How long the pages may take to go to the printer or into a file: a picture of every page at the
    // printer's resolution takes far longer than the preview's.
    static constexpr int paperPrintPatienceMs = 120000;

    DocumentControls m_c;
    std::unique_ptr<FileChooser> m_chooser;
};
