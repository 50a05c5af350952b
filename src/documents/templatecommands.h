#pragma once

#include "documents/core/recoverystore.h"
#include "documents/documentcontrols.h"

#include <QObject>

// The "Πρότυπα" menu, which replaces the document with a built-in text, and the "Κωδικοποίηση" menu, which
// inserts a character-set declaration at the caret.
class TemplateCommands : public QObject
{
    Q_OBJECT

public:
    explicit TemplateCommands(const DocumentControls &controls, QObject *parent = nullptr);

    // The simple page, re-indented.
    void loadSimplePage();
    // The mythology assignment, checked for balance.
    void loadMythologyAssignment();
    // The algorithmics assignment, checked for balance.
    void loadAlgorithmicsAssignment();
    // The Greek, Latin and UTF-8 declarations.
    void insertGreekDeclaration();
    void insertLatinDeclaration();
    void insertUnicodeDeclaration();

Q_SIGNALS:
    // The code pane's text is about to be replaced as a whole: now is the time to keep it for recovery.
    void documentAboutToBeReplaced(RecoveryReason reason);

private:
    void loadTemplate(const QStringList &lines, bool simplePage);

    DocumentControls m_c;
};
