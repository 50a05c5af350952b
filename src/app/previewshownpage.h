#pragma once

#include "documents/shownpage.h"

#include <QPointer>

class PreviewPane;

// The preview pane as the document commands see it: its blank page, and the still copy it prints from.
class PreviewShownPage : public ShownPage
{
public:
    explicit PreviewShownPage(PreviewPane *preview);

    void showBlank() override;
    std::unique_ptr<PrintablePage> printableCopy() override;

private:
    QPointer<PreviewPane> m_preview;
};
