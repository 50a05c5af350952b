#include "documents/core/printstrings.h"

#include <algorithm>
#include <cmath>

namespace {

// Rounds to the nearest integer, halves to even, as printing geometry has always been rounded.
int roundEven(double value)
{
    return int(std::nearbyint(value));
}

} // namespace

std::optional<PrintRects> calcPrintRects(const PrintDeviceMetrics &device, const PrintMargins &margins)
{
    PrintRect text;
    text.left = std::max(roundEven(double(device.dpiX) * double(margins.left)), device.offsetX);
    text.top = std::max(roundEven(double(device.dpiY) * double(margins.top)), device.offsetY);
    text.right = std::min(device.sheetWidth - roundEven(double(device.dpiX) * double(margins.right)),
                          device.pageWidth + device.offsetX);
    text.bottom = std::min(device.sheetHeight - roundEven(double(device.dpiY) * double(margins.bottom)),
                           device.pageHeight + device.offsetY);
    if (text.left >= text.right || text.top >= text.bottom)
        return std::nullopt;
    text.left -= device.offsetX;
    text.right -= device.offsetX;
    text.top -= device.offsetY;
    text.bottom -= device.offsetY;

    PrintRects rects;
    rects.text = text;
    rects.header = {text.left, 0, text.right, text.top};
    rects.footer = {text.left, text.bottom, text.right, device.pageHeight};
    rects.lineHeight = roundEven(double(device.dpiY) / double(margins.linesPerInch));
    return rects;
}

QStringList printedLines(const QStringList &lines, int width,
                         const std::function<int(const QString &)> &measure)
{
    QStringList printed;
    printed.reserve(lines.size());
    for (const QString &line : lines) {
        QStringView rest(line);
        while (rest.size() > 1 && measure(rest.toString()) > width) {
            // The longest start that fits (at least one character, so that every piece makes progress),
            // looked for among starts twice as long each time and then halved, so a piece costs about its own
            // length whatever the line's...
            qsizetype low = 1;
            qsizetype high = 2;
            while (high < rest.size() && measure(rest.left(high).toString()) <= width) {
                low = high;
                high *= 2;
            }
            high = std::min(high, rest.size()) - 1;
            while (low < high) {
                const qsizetype middle = (low + high + 1) / 2;
                if (measure(rest.left(middle).toString()) <= width)
                    low = middle;
                else
                    high = middle - 1;
            }
            // ... ending after its last blank, where it has one.
            qsizetype cut = low;
            const qsizetype blank = rest.left(low).lastIndexOf(QLatin1Char(' '));
            if (blank > 0)
                cut = blank + 1;
            printed.append(rest.left(cut).toString());
            rest = rest.mid(cut);
        }
        printed.append(rest.toString());
    }
    return printed;
}

namespace {

// The state of one job, shared by its steps.
class PrintJob
{
public:
    PrintJob(PrintSurface &surface, const QStringList &lines, const PrintFont &font,
             const HeaderFooterProc &header, const HeaderFooterProc &footer)
        : m_surface(surface), m_sourceLines(lines), m_font(font), m_header(header), m_footer(footer)
    {
    }

    PrintOutcome run(const PrintMargins &margins, bool measureOnly)
    {
        PrintOutcome outcome;
        if (!m_surface.beginDoc()) {
            outcome.status = PrintOutcome::DeviceFailed;
            outcome.error = m_surface.errorText();
            return outcome;
        }
        const std::optional<PrintRects> rects = calcPrintRects(m_surface.metrics(), margins);
        if (!rects) {
            // Nothing has been drawn: cancelling keeps an empty page from coming out.
            m_surface.abort();
            outcome.status = PrintOutcome::NoRoom;
            return outcome;
        }
        m_rects = *rects;
        m_surface.setFont(m_font);
        m_charHeight = m_surface.textHeight(QStringLiteral("?y"));
        m_lines = printedLines(m_sourceLines, m_rects.text.right - m_rects.text.left,
                               [this](const QString &text) { return m_surface.textWidth(text); });
        while (m_textStart < m_lines.size() && m_continuePrint && !m_failed)
            printPage();

        if (m_failed) {
            m_surface.abort();
            outcome.status = PrintOutcome::DeviceFailed;
            outcome.error = m_surface.errorText();
            return outcome;
        }
        if (!m_continuePrint || measureOnly) {
            m_surface.abort();
            outcome.status = m_continuePrint ? PrintOutcome::Measured : PrintOutcome::Stopped;
            outcome.pages = m_continuePrint ? m_pageCount : 0;
            return outcome;
        }
        if (!m_surface.endDoc()) {
            outcome.status = PrintOutcome::DeviceFailed;
            outcome.error = m_surface.errorText();
            return outcome;
        }
        outcome.pages = m_pageCount;
        return outcome;
    }

private:
    void printPage()
    {
        fire(m_header, m_rects.header);
        if (!m_continuePrint)
            return;
        printText();
        fire(m_footer, m_rects.footer);
        if (m_textStart < m_lines.size() && m_continuePrint) {
            ++m_pageCount;
            if (!m_surface.newPage())
                m_failed = true;
        }
    }

    void printText()
    {
        int y = m_rects.text.top;
        while (m_textStart < m_lines.size() && y <= m_rects.text.bottom - m_charHeight) {
            m_surface.textOut(m_rects.text.left, y, m_lines.at(m_textStart));
            ++m_textStart;
            y += m_rects.lineHeight;
        }
    }

    // Calls a header or footer callback, then gives the canvas the text font back.
    void fire(const HeaderFooterProc &callback, const PrintRect &area)
    {
        if (callback)
            callback(m_surface, m_pageCount, area, m_continuePrint);
        m_surface.setFont(m_font);
    }

    PrintSurface &m_surface;
    const QStringList &m_sourceLines;
    QStringList m_lines; // the lines as printed: long ones continue on the lines below
    const PrintFont &m_font;
    const HeaderFooterProc &m_header;
    const HeaderFooterProc &m_footer;
    PrintRects m_rects;
    int m_charHeight = 0;
    bool m_continuePrint = true;
    bool m_failed = false;
    int m_pageCount = 1;
    qsizetype m_textStart = 0;
};

} // namespace

PrintOutcome printLines(PrintSurface &surface, const QStringList &lines, const PrintMargins &margins,
                        const PrintFont &font, bool measureOnly, const HeaderFooterProc &onPrintHeader,
                        const HeaderFooterProc &onPrintFooter)
{
    return PrintJob(surface, lines, font, onPrintHeader, onPrintFooter).run(margins, measureOnly);
}
