#pragma once

#include "documents/core/printstrings.h"

// The source printout of the code pane: its header with the document's title and its footer with the product
// notice and the page number, drawn in grey.

// The values the source printout prints with: 0.75 inch left and top, 0.5 inch right and bottom, 6 lines
// per inch.
PrintMargins sourcePrintoutMargins();
// The footer's text for a page.
QString footerText(int pageCount);
// A one-point line one eighteenth of an inch above the text, the title above it.
void printHeader(PrintSurface &surface, const PrintRect &area, const QString &title);
// A one-point line at the bottom of the text, the footer text right-aligned below it.
void printFooter(PrintSurface &surface, int pageCount, const PrintRect &area);
// Prints the lines with the source printout's margins, header and footer.
PrintOutcome printSource(PrintSurface &surface, const QStringList &lines, const PrintFont &font,
                         const QString &title);
