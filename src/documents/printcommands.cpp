#include "documents/printcommands.h"

#include "documents/core/documentmessages.h"
#include "documents/core/sourceprintout.h"
#include "documents/filechooser.h"
#include "documents/paintsurface.h"
#include "documents/shownpage.h"
#include "editor/codepane.h"
#include "widgets/bgrcolour.h"
#include "widgets/messages.h"

#include <QDir>
#include <QPaintEngine>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// The code pane's own font: its family, style, colour and point size, not the looks of parts of its text.
PrintFont codeFont(const CodePane *code)
{
    const QFont font = code->font();
    PrintFont printFont;
    printFont.family = font.family();
    printFont.pointSize = font.pointSizeF() > 0 ? font.pointSizeF() : 11;
    printFont.bold = font.bold();
    printFont.italic = font.italic();
    printFont.colour = bgrFromColour(code->palette().color(QPalette::Text));
    return printFont;
}

// The print preview paints the page as pictures, which it scales to the screen: this resolution shows the
// page sharp there and keeps each page's picture a few megabytes.
constexpr int previewDpi = 150;
// On paper the page is a picture at the printer's resolution, up to this one: a page pictured at 1,200 dpi
// would take more than half a gigabyte of memory.
constexpr int highestPrintingDpi = 600;
// For a printer that names no resolution of its own.
constexpr int usualPrintingDpi = 300;

bool paintsPreview(QPrinter *printer)
{
    const QPaintEngine *engine = printer->paintEngine();
    return engine && engine->type() == QPaintEngine::Picture;
}

bool printsToPdfFile(const QPrinter *printer)
{
    return printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty();
}

// The finest resolution the printer offers, up to the highest the page is pictured at.
int printingDpi(const QString &printerName)
{
    int chosen = 0;
    for (const int dpi : QPrinterInfo::printerInfo(printerName).supportedResolutions())
        if (dpi <= highestPrintingDpi)
            chosen = qMax(chosen, dpi);
    return chosen > 0 ? chosen : usualPrintingDpi;
}

QStringList codeLines(const CodePane *code)
{
    QStringList lines;
    const int count = code->lineCount();
    lines.reserve(count);
    for (int i = 0; i < count; ++i)
        lines.append(code->line(i));
    return lines;
}

} // namespace

PrintCommands::PrintCommands(const DocumentControls &controls, QObject *parent)
    : QObject(parent), m_c(controls), m_chooser(std::make_unique<DialogFileChooser>())
{
}

PrintCommands::~PrintCommands() = default;

void PrintCommands::setFileChooser(std::unique_ptr<FileChooser> chooser)
{
    m_chooser = std::move(chooser);
}

void PrintCommands::printCodeListing()
{
    const QStringList lines = codeLines(m_c.code);
    const PrintFont font = codeFont(m_c.code);
    const QString title = m_c.pageTitle ? m_c.pageTitle() : QString();

    PrintOutcome outcome;
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (!printerInfo.isNull()) {
        QPrinter printer(printerInfo, QPrinter::HighResolution);
        PrinterSurface surface(&printer);
        outcome = printSource(surface, lines, font, title);
    } else {
        // Without a printer the printout can still be kept: as a PDF file, which the dialog's title explains.
        const FileDialogSettings settings = pdfDialogSettings(QDir::currentPath());
        const QString chosen = m_chooser->chooseSave(m_c.window, settings);
        if (chosen.isEmpty()) {
            showMessage(m_c.window, DocumentMessages::printCancelled());
            return;
        }
        PdfSurface surface(withDefaultSuffix(chosen, settings));
        outcome = printSource(surface, lines, font, title);
    }

    switch (outcome.status) {
    case PrintOutcome::Printed:
    case PrintOutcome::Measured:
        showMessage(m_c.window, DocumentMessages::pagesPrinted(outcome.pages));
        break;
    case PrintOutcome::NoRoom:
        showMessage(m_c.window, DocumentMessages::printMarginsProblem());
        break;
    case PrintOutcome::DeviceFailed:
        showMessage(m_c.window, DocumentMessages::printFailed(outcome.error));
        break;
    case PrintOutcome::Stopped:
        break;
    }
}

void PrintCommands::printPreview()
{
    // The preview shows a still copy of the page, which nothing of the page's own can hold up.
    const std::unique_ptr<PrintablePage> copy = m_c.page->printableCopy();
    if (!copy->prepare(pagePrintPatienceMs)) {
        showMessage(m_c.window, DocumentMessages::pageNotReadyToPrint());
        return;
    }
    bool gaveUp = false;
    QString unwrittenFile;
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, m_c.window);
    dialog.setObjectName(QStringLiteral("PrintPreview"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [&copy, &dialog, &gaveUp, &unwrittenFile](QPrinter *device) {
                bool done = false;
                if (paintsPreview(device)) {
                    device->setResolution(previewDpi);
                    done = copy->print(device, pagePrintPatienceMs);
                } else if (printsToPdfFile(device)) {
                    // Into a file the page goes as the browser prints it: its text stays text, which can be
                    // searched, copied and read aloud, and is sharp at any size.
                    done = copy->printToPdf(device->outputFileName(), device->pageLayout(),
                                            device->pageRanges(), paperPrintPatienceMs);
                    if (!done) {
                        unwrittenFile = device->outputFileName();
                        QMetaObject::invokeMethod(&dialog, &QDialog::reject, Qt::QueuedConnection);
                        return;
                    }
                } else {
                    device->setResolution(printingDpi(device->printerName()));
                    done = copy->print(device, paperPrintPatienceMs);
                }
                if (done)
                    return;
                gaveUp = true;
                QMetaObject::invokeMethod(&dialog, &QDialog::reject, Qt::QueuedConnection);
            });
    dialog.exec();
    if (gaveUp)
        showMessage(m_c.window, DocumentMessages::pageNotReadyToPrint());
    else if (!unwrittenFile.isEmpty())
        showMessage(
            m_c.window,
            DocumentMessages::printFailed(
                QStringLiteral("δεν γράφτηκε το αρχείο %1").arg(QDir::toNativeSeparators(unwrittenFile))));
}
