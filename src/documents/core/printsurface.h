#pragma once

#include <QString>
#include <QtGlobal>

// A font as the source printout asks for it; the surface turns it into its device's own font, keeping the
// point size whatever the device's resolution.
struct PrintFont
{
    QString family;
    qreal pointSize = 10;
    quint32 colour = 0; // 0x00BBGGRR
    bool bold = false;
    bool italic = false;
};

// What a printing device tells about its sheet, in device units (dots).
struct PrintDeviceMetrics
{
    int dpiX = 0;       // dots per inch across
    int dpiY = 0;       // dots per inch down
    int offsetX = 0;    // the printable area's offset from the sheet's left edge
    int offsetY = 0;    // and from its top edge
    int sheetWidth = 0; // the whole sheet
    int sheetHeight = 0;
    int pageWidth = 0; // the printable area
    int pageHeight = 0;
};

// A rectangle in device units given by its edges; right and bottom lie just outside it.
struct PrintRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const PrintRect &a, const PrintRect &b)
    {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
};

// The printing device the source printout draws on: a print job of pages and a canvas whose coordinates start
// at the printable area's corner. Printers and PDF files implement it for real; tests implement it to check
// the page geometry without a printer.
class PrintSurface
{
public:
    virtual ~PrintSurface() = default;

    // Starts the job with its first page open; false when the device refuses it (see errorText).
    virtual bool beginDoc() = 0;
    // Ends the page and opens the next one; false on failure.
    virtual bool newPage() = 0;
    // Ends the job normally, handing it to the device; false on failure.
    virtual bool endDoc() = 0;
    // Cancels the job: nothing of it comes out.
    virtual void abort() = 0;
    // Why the device failed, in words; empty when it did not.
    virtual QString errorText() const = 0;

    virtual PrintDeviceMetrics metrics() const = 0;
    virtual void setFont(const PrintFont &font) = 0;
    // A solid pen of the colour (0x00BBGGRR) and width (device units) for the lines drawn next.
    virtual void setPen(quint32 colour, int width) = 0;
    // The height and width of a text in the current font, in device units.
    virtual int textHeight(const QString &text) const = 0;
    virtual int textWidth(const QString &text) const = 0;
    // Draws a text with its top-left corner at the point, unwrapped.
    virtual void textOut(int x, int y, const QString &text) = 0;
    // Draws a line with the current pen.
    virtual void line(int x1, int y1, int x2, int y2) = 0;
};
