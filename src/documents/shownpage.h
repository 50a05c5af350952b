#pragma once

#include <memory>

class QPageLayout;
class QPageRanges;
class QPrinter;
class QString;

// A still copy of the page in the preview pane, made for printing.
class PrintablePage
{
public:
    virtual ~PrintablePage() = default;
    // Makes the copy; false when the page did not answer or the copy did not load within `patienceMs`.
    virtual bool prepare(int patienceMs) = 0;
    // Draws the copy onto the printer, as pictures of its pages at the printer's resolution; false when the
    // browser did not finish within `patienceMs`.
    virtual bool print(QPrinter *printer, int patienceMs) = 0;
    // Writes the copy into a PDF file whose text stays text, on pages of the given layout; false when the
    // browser failed or did not finish within `patienceMs`.
    virtual bool printToPdf(const QString &filePath, const QPageLayout &layout, const QPageRanges &ranges,
                            int patienceMs) = 0;
};

// The page in the preview pane, as far as the document commands use it. The window that holds the preview
// provides it, so the commands need nothing else of the preview.
class ShownPage
{
public:
    virtual ~ShownPage() = default;
    // The preview leaves whatever it shows for an empty page.
    virtual void showBlank() = 0;
    // A still copy of the page shown now, for printing.
    virtual std::unique_ptr<PrintablePage> printableCopy() = 0;
};
