#pragma once

#include "documents/core/recoverystore.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// "Ανάκτηση Κειμένου": the texts kept for recovery, newest first (when, why, what tells it apart, size), a
// read-only view of the chosen one, and "Επαναφορά", which hands it back to the code pane with where it came
// from.
class RecoveryWindow : public QDialog
{
    Q_OBJECT

public:
    explicit RecoveryWindow(QWidget *parent = nullptr);

    // Lists the store's texts anew and chooses the newest.
    void showEntries(const RecoveryStore &store);

Q_SIGNALS:
    // The pupil chose to bring this text back.
    void restoreRequested(const QString &text, const RecoveryOrigin &origin);

private:
    void showChosen();
    void restoreChosen();

    QLabel *m_caption;
    QListWidget *m_list;
    QPlainTextEdit *m_view;
    QPushButton *m_restoreButton;
    QList<RecoveryEntry> m_entries;
};
