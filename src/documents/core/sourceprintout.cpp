#include "documents/core/sourceprintout.h"

#include "core/programcolours.h"

#include <cmath>

namespace {

PrintFont headerFooterFont()
{
    PrintFont font;
    font.family = QStringLiteral("Tahoma");
    font.pointSize = 10;
    font.colour = ProgramColours::Grey;
    return font;
}

void setGreyPen(PrintSurface &surface)
{
    surface.setPen(ProgramColours::Grey, int(std::nearbyint(surface.metrics().dpiY / 72.0)));
}

} // namespace

PrintMargins sourcePrintoutMargins()
{
    return PrintMargins();
}

QString footerText(int pageCount)
{
    return QStringLiteral("Velmark Html Editor - Browser - Σελίδα %1").arg(pageCount);
}

void printHeader(PrintSurface &surface, const PrintRect &area, const QString &title)
{
    const int dpiY = surface.metrics().dpiY;
    setGreyPen(surface);
    surface.line(area.left, area.bottom - dpiY / 18, area.right, area.bottom - dpiY / 18);
    surface.setFont(headerFooterFont());
    surface.textOut(area.left, area.bottom - dpiY / 10 - surface.textHeight(QStringLiteral("W")), title);
}

void printFooter(PrintSurface &surface, int pageCount, const PrintRect &area)
{
    const int dpiY = surface.metrics().dpiY;
    setGreyPen(surface);
    surface.line(area.left, area.top, area.right, area.top);
    const QString text = footerText(pageCount);
    surface.setFont(headerFooterFont());
    surface.textOut(area.right - surface.textWidth(text), area.top + dpiY / 18, text);
}

PrintOutcome printSource(PrintSurface &surface, const QStringList &lines, const PrintFont &font,
                         const QString &title)
{
    return printLines(
        surface, lines, sourcePrintoutMargins(), font, false,
        [&title](PrintSurface &s, int, const PrintRect &area, bool &) { printHeader(s, area, title); },
        [](PrintSurface &s, int page, const PrintRect &area, bool &) { printFooter(s, page, area); });
}
