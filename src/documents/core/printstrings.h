#pragma once

#include "documents/core/printsurface.h"

#include <QStringList>

#include <functional>
#include <optional>

// Margins from the edges of the sheet, in inches, and the line spacing of a printout.
struct PrintMargins
{
    float left = 0.75f;
    float right = 0.5f;
    float top = 0.75f;
    float bottom = 0.5f;
    float linesPerInch = 6.0f;
};

// The areas of a page, in the coordinates of the printable area.
struct PrintRects
{
    PrintRect text;   // where the lines go
    PrintRect header; // above the text, from the top of the printable area
    PrintRect footer; // below the text, to the bottom of the printable area
    int lineHeight = 0;
};

// The page areas for a device and margins. A margin inside the unprintable edge is moved to that edge.
// Nothing when the margins leave no room for text.
std::optional<PrintRects> calcPrintRects(const PrintDeviceMetrics &device, const PrintMargins &margins);

// Draws the header or footer of page `pageCount` (from 1) into `area`; setting
// `continuePrint` to false stops the job.
using HeaderFooterProc =
    std::function<void(PrintSurface &surface, int pageCount, const PrintRect &area, bool &continuePrint)>;

// The outcome of a printout.
struct PrintOutcome
{
    enum Status
    {
        Printed,     // the job went to the device
        Measured,    // pages counted, job cancelled as asked
        Stopped,     // a header or footer stopped the job; it was cancelled
        NoRoom,      // the margins leave no room; the job was cancelled before anything was drawn
        DeviceFailed // the device refused or failed the job
    };
    Status status = Printed;
    int pages = 0; // the number of pages; 0 when the job was stopped or failed
    QString error; // the device's words when it failed
};

// The lines as printed in a text area `width` wide: a line wider than the area continues on the next printed
// lines, each piece as long as fits and ending after its last blank where it has one, so that every character
// is printed. `measure` gives a text's width in the printout's font.
QStringList printedLines(const QStringList &lines, int width,
                         const std::function<int(const QString &)> &measure);

// Prints the lines one under the other from the top of the text area, as many as fit on a
// page, in `font`, each too long for the area continuing on the lines below (see printedLines), with the
// header and footer callbacks (either may be empty) around the text of every page. With `measureOnly` the
// pages are counted and the job is cancelled.
PrintOutcome printLines(PrintSurface &surface, const QStringList &lines, const PrintMargins &margins,
                        const PrintFont &font, bool measureOnly, const HeaderFooterProc &onPrintHeader,
                        const HeaderFooterProc &onPrintFooter);
