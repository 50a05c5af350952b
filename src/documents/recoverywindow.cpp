#include "documents/recoverywindow.h"

#include "core/programversion.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace {

QString entryLine(const RecoveryEntry &entry)
{
    const QLocale greek(QLocale::Greek, QLocale::Greece);
    QString line = greek.toString(entry.when, QStringLiteral("dd/MM/yyyy HH:mm:ss")) + QStringLiteral(" · ") +
                   recoveryReasonText(entry.reason);
    if (!entry.caption.isEmpty())
        line += QStringLiteral(" · ") + entry.caption;
    return line + QStringLiteral(" · ") + greekDataSize(entry.size);
}

} // namespace

RecoveryWindow::RecoveryWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("recoveryWindow"));
    setWindowTitle(QStringLiteral("Ανάκτηση Κειμένου"));
    setAccessibleName(windowTitle());
    resize(760, 480);

    m_caption = new QLabel(this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("recoveryList"));
    m_list->setAccessibleName(QStringLiteral("Κείμενα που κρατήθηκαν"));
    m_caption->setBuddy(m_list);
    m_view = new QPlainTextEdit(this);
    m_view->setObjectName(QStringLiteral("recoveryView"));
    m_view->setAccessibleName(QStringLiteral("Το επιλεγμένο κείμενο"));
    m_view->setReadOnly(true);
    m_view->setLineWrapMode(QPlainTextEdit::NoWrap);

    auto *splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(m_list);
    splitter->addWidget(m_view);
    splitter->setStretchFactor(1, 2);

    auto *buttons = new QDialogButtonBox(this);
    m_restoreButton = buttons->addButton(QStringLiteral("Επαναφορά"), QDialogButtonBox::AcceptRole);
    m_restoreButton->setObjectName(QStringLiteral("restoreButton"));
    m_restoreButton->setAccessibleName(QStringLiteral("Επαναφορά"));
    QPushButton *close = buttons->addButton(QStringLiteral("Κλείσιμο"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setAccessibleName(QStringLiteral("Κλείσιμο"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_caption);
    layout->addWidget(splitter, 1);
    layout->addWidget(buttons);

    connect(m_list, &QListWidget::currentRowChanged, this, &RecoveryWindow::showChosen);
    connect(m_list, &QListWidget::itemActivated, this, &RecoveryWindow::restoreChosen);
    connect(m_restoreButton, &QPushButton::clicked, this, &RecoveryWindow::restoreChosen);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void RecoveryWindow::showEntries(const RecoveryStore &store)
{
    m_entries = store.entries();
    m_list->clear();
    for (const RecoveryEntry &entry : m_entries)
        m_list->addItem(entryLine(entry));
    m_caption->setText(m_entries.isEmpty() ? QStringLiteral("Δεν υπάρχουν κείμενα για ανάκτηση.")
                                           : QStringLiteral("Κείμενα που κρατήθηκαν, τα νεότερα πρώτα:"));
    m_restoreButton->setEnabled(!m_entries.isEmpty());
    m_view->clear();
    if (!m_entries.isEmpty())
        m_list->setCurrentRow(0);
    m_list->setFocus();
}

void RecoveryWindow::showChosen()
{
    const int row = m_list->currentRow();
    m_view->setPlainText(row >= 0 && row < m_entries.size() ? RecoveryStore::text(m_entries[row])
                                                            : QString());
}

void RecoveryWindow::restoreChosen()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_entries.size())
        return;
    const QString text = RecoveryStore::text(m_entries[row]);
    const RecoveryOrigin origin = m_entries[row].origin;
    accept();
    Q_EMIT restoreRequested(text, origin);
}
