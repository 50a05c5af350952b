#pragma once

#include "documents/core/recoverystore.h"

#include <QFrame>

class QLabel;
class QPushButton;
class QToolButton;

// The bar across the top of the main window that tells the pupil, at a start, that the newest kept text was
// never saved to a file: "Άνοιγμα Ανάκτησης" opens "Ανάκτηση Κειμένου…", the close button dismisses it.
// Hidden until `announce` shows it.
class RecoveryNotice : public QFrame
{
    Q_OBJECT

public:
    explicit RecoveryNotice(QWidget *parent = nullptr);

    // Shows the bar, telling of this kept text.
    void announce(const RecoveryEntry &entry);

    QPushButton *openButton() const { return m_openButton; }
    QToolButton *closeButton() const { return m_closeButton; }

Q_SIGNALS:
    // The pupil wants to see the kept texts; the bar has hidden itself.
    void openRequested();

private:
    QLabel *m_text;
    QPushButton *m_openButton;
    QToolButton *m_closeButton;
};
