#include "app/previewshownpage.h"

#include "preview/previewpane.h"
#include "preview/printcopy.h"

namespace {

class PrintCopyPage : public PrintablePage
{
public:
    explicit PrintCopyPage(PreviewPane *preview) : m_copy(preview) {}

    bool prepare(int patienceMs) override { return m_copy.prepare(patienceMs); }
    bool print(QPrinter *printer, int patienceMs) override { return m_copy.print(printer, patienceMs); }
    bool printToPdf(const QString &filePath, const QPageLayout &layout, const QPageRanges &ranges,
                    int patienceMs) override
    {
        return m_copy.printToPdf(filePath, layout, ranges, patienceMs);
    }

private:
    PrintCopy m_copy;
};

} // namespace

PreviewShownPage::PreviewShownPage(PreviewPane *preview) : m_preview(preview) {}

void PreviewShownPage::showBlank()
{
    if (m_preview)
        m_preview->showBlank();
}

std::unique_ptr<PrintablePage> PreviewShownPage::printableCopy()
{
    return std::make_unique<PrintCopyPage>(m_preview);
}
