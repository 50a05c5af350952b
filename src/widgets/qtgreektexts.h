#pragma once

#include <QTranslator>

// Greek for the texts of Qt's own dialogs that the program shows (file dialogs, the print preview), which Qt
// ships no Greek translation for; installed once at start. The program's own texts are Greek already and pass
// through unchanged, and so does "OK", which message boxes show as it stands.
class QtGreekTexts : public QTranslator
{
    Q_OBJECT

public:
    using QTranslator::QTranslator;

    bool isEmpty() const override;
    QString translate(const char *context, const char *sourceText, const char *disambiguation = nullptr,
                      int n = -1) const override;
};
