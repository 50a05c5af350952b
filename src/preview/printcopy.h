#pragma once

#include <QObject>

#include <memory>

class PreviewPane;
class QPageLayout;
class QPageRanges;
class QPrinter;
class QWebEngineView;

// A still copy of the page shown in the preview, made for printing: the page's document as it stands now,
// shown once more with scripts off in a view of its own. Nothing of the page's own (a print handler or any
// script that never ends) can then hold up the print, and the preview goes on rendering whatever happens to
// the copy.
class PrintCopy : public QObject
{
    Q_OBJECT

public:
    explicit PrintCopy(PreviewPane *preview, QObject *parent = nullptr);
    ~PrintCopy() override;

    // Makes the copy; false when the page did not answer or the copy did not load within `patienceMs`.
    bool prepare(int patienceMs);
    // Draws the copy onto the printer; false when the browser did not finish within `patienceMs`.
    bool print(QPrinter *printer, int patienceMs);
    // Writes the copy into a PDF file, its text kept as text; false when the browser failed or did not finish
    // within `patienceMs`.
    bool printToPdf(const QString &filePath, const QPageLayout &layout, const QPageRanges &ranges,
                    int patienceMs);

private:
    PreviewPane *m_preview;
    QWebEngineView *m_view = nullptr;
    bool m_stuck = false; // a print of the copy never ended: the copy is kept until the program ends
};
