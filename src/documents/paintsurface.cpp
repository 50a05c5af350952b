#include "documents/paintsurface.h"

#include "documents/core/filefailure.h"
#include "widgets/bgrcolour.h"

#include <QFontMetrics>
#include <QPdfWriter>
#include <QPrinter>

#include <cerrno>

void PainterSurface::setFont(const PrintFont &font)
{
    QFont f(font.family);
    f.setPointSizeF(font.pointSize);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    m_painter.setFont(f);
    m_textColour = colourFromBgr(font.colour);
}

void PainterSurface::setPen(quint32 colour, int width)
{
    m_lineColour = colourFromBgr(colour);
    m_lineWidth = width;
}

int PainterSurface::textHeight(const QString &text) const
{
    Q_UNUSED(text);
    return m_painter.fontMetrics().height();
}

int PainterSurface::textWidth(const QString &text) const
{
    return m_painter.fontMetrics().horizontalAdvance(text);
}

void PainterSurface::textOut(int x, int y, const QString &text)
{
    m_painter.setPen(m_textColour);
    m_painter.drawText(x, y + m_painter.fontMetrics().ascent(), text);
}

void PainterSurface::line(int x1, int y1, int x2, int y2)
{
    m_painter.setPen(QPen(m_lineColour, m_lineWidth, Qt::SolidLine, Qt::FlatCap));
    m_painter.drawLine(x1, y1, x2, y2);
}

QString PainterSurface::errorText() const
{
    return m_error;
}

PrinterSurface::PrinterSurface(QPrinter *printer) : m_printer(printer) {}

bool PrinterSurface::beginDoc()
{
    if (!m_printer->isValid() || !m_painter.begin(m_printer)) {
        m_error = QStringLiteral("ο εκτυπωτής «%1» δεν δέχτηκε την εργασία").arg(m_printer->printerName());
        return false;
    }
    return true;
}

bool PrinterSurface::newPage()
{
    return m_printer->newPage();
}

bool PrinterSurface::endDoc()
{
    return m_painter.end();
}

void PrinterSurface::abort()
{
    m_printer->abort();
    if (m_painter.isActive())
        m_painter.end();
}

PrintDeviceMetrics PrinterSurface::metrics() const
{
    const QRect sheet = m_printer->paperRect(QPrinter::DevicePixel).toRect();
    const QRect page = m_printer->pageRect(QPrinter::DevicePixel).toRect();
    return {m_printer->logicalDpiX(),
            m_printer->logicalDpiY(),
            page.x(),
            page.y(),
            sheet.width(),
            sheet.height(),
            page.width(),
            page.height()};
}

PdfSurface::PdfSurface(const QString &path) : m_file(path) {}

PdfSurface::~PdfSurface()
{
    if (m_painter.isActive())
        abort();
}

bool PdfSurface::beginDoc()
{
    errno = 0;
    if (!m_file.open(QIODevice::WriteOnly)) {
        m_error = fileFailureReason(m_file, errno);
        return false;
    }
    m_pages.open(QIODevice::WriteOnly);
    m_writer = std::make_unique<QPdfWriter>(&m_pages);
    m_writer->setResolution(600);
    m_writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    if (!m_painter.begin(m_writer.get())) {
        m_error = QStringLiteral("δεν γράφεται αρχείο PDF");
        m_file.cancelWriting();
        return false;
    }
    return true;
}

bool PdfSurface::newPage()
{
    return m_writer->newPage();
}

bool PdfSurface::endDoc()
{
    m_painter.end();
    errno = 0;
    if (m_file.write(m_pages.data()) != m_pages.size()) {
        m_error = fileFailureReason(m_file, errno);
        abort();
        return false;
    }
    errno = 0;
    if (!m_file.commit()) {
        m_error = fileFailureReason(m_file, errno);
        return false;
    }
    return true;
}

void PdfSurface::abort()
{
    if (m_painter.isActive())
        m_painter.end();
    m_file.cancelWriting();
    m_file.commit();
}

PrintDeviceMetrics PdfSurface::metrics() const
{
    if (!m_writer)
        return {};
    const int dpi = m_writer->resolution();
    const QRect sheet = m_writer->pageLayout().fullRectPixels(dpi);
    const QRect page = m_writer->pageLayout().paintRectPixels(dpi);
    return {dpi, dpi, page.x(), page.y(), sheet.width(), sheet.height(), page.width(), page.height()};
}
