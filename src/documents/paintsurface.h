#pragma once

#include "documents/core/printsurface.h"

#include <QBuffer>
#include <QFont>
#include <QPainter>
#include <QSaveFile>

#include <memory>

class QPdfWriter;
class QPrinter;

// The canvas of a print job drawn with a QPainter on a paged device; the job itself is the subclass's.
class PainterSurface : public PrintSurface
{
public:
    void setFont(const PrintFont &font) override;
    void setPen(quint32 colour, int width) override;
    int textHeight(const QString &text) const override;
    int textWidth(const QString &text) const override;
    void textOut(int x, int y, const QString &text) override;
    void line(int x1, int y1, int x2, int y2) override;
    QString errorText() const override;

protected:
    QPainter m_painter;
    QString m_error; // why the device refused the job, for errorText

private:
    QColor m_textColour;
    QColor m_lineColour;
    int m_lineWidth = 1;
};

// A job for a printer: the canvas is the printer's printable area.
class PrinterSurface : public PainterSurface
{
public:
    explicit PrinterSurface(QPrinter *printer);

    bool beginDoc() override;
    bool newPage() override;
    bool endDoc() override;
    void abort() override;
    PrintDeviceMetrics metrics() const override;

private:
    QPrinter *m_printer;
};

// A job written to a PDF file of A4 pages at 600 dots per inch, the whole sheet printable. The file replaces
// any file of that name only when the job ends normally. The pages are made in memory and written to the file
// in one go at the end, so that a failed write is known by the system's reason for it.
class PdfSurface : public PainterSurface
{
public:
    explicit PdfSurface(const QString &path);
    ~PdfSurface() override;

    bool beginDoc() override;
    bool newPage() override;
    bool endDoc() override;
    void abort() override;
    PrintDeviceMetrics metrics() const override;

private:
    QSaveFile m_file;
    QBuffer m_pages;
    std::unique_ptr<QPdfWriter> m_writer;
};
