#include "app/core/browsedtext.h"

void BrowsedText::pageShown(const QString &replaced, const QString &replacedFile, const QString &shown)
{
    if (!m_browsing) {
        m_pupils = replaced;
        m_pupilsFile = replacedFile;
    }
    m_browsing = true;
    m_shown = shown;
}

bool BrowsedText::holdsPageMarkup(const QString &current) const
{
    return m_browsing && current == m_shown;
}

void BrowsedText::forget()
{
    m_browsing = false;
    m_pupils.clear();
    m_pupilsFile.clear();
    m_shown.clear();
}
