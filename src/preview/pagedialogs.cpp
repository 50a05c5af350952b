#include "preview/pagedialogs.h"

#include "widgets/messages.h"

#include <QCheckBox>
#include <QEventLoop>
#include <QGridLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace {

const QString dialogTitle = QStringLiteral("Μήνυμα ιστοσελίδας");

QString heading(const QString &pageName)
{
    return QStringLiteral("Η ιστοσελίδα «%1» λέει:").arg(pageName);
}

} // namespace

PageDialogs::PageDialogs(QWidget *owner) : QObject(owner), m_owner(owner) {}

void PageDialogs::newDocument()
{
    m_shown = 0;
    m_silenced = false;
}

bool PageDialogs::ask(QMessageBox &box, QWidget *answerField)
{
    ++m_shown;
    QCheckBox *silence = nullptr;
    if (m_shown >= 2) {
        silence = new QCheckBox(QStringLiteral("Να μην εμφανιστούν άλλα μηνύματα από αυτή τη σελίδα"), &box);
        silence->setObjectName(QStringLiteral("silencePage"));
        box.setCheckBox(silence);
    }
    if (answerField) {
        if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
            grid->addWidget(answerField, grid->rowCount(), 0, 1, grid->columnCount());
    }
    box.setObjectName(QStringLiteral("pageDialog"));
    box.setWindowTitle(dialogTitle);
    // Not modal: the page waits for the answer, the pupil's other windows do not. Ending the program ends the
    // wait too.
    box.setWindowModality(Qt::NonModal);
    makeRoomForTitle(box);
    QEventLoop loop;
    connect(&box, &QMessageBox::finished, &loop, &QEventLoop::quit);
    m_open = true;
    box.show();
    loop.exec();
    m_open = false;
    if (silence && silence->isChecked())
        m_silenced = true;
    const bool accepted =
        box.clickedButton() && box.buttonRole(box.clickedButton()) == QMessageBox::AcceptRole;
    Q_EMIT closed();
    return accepted;
}

void PageDialogs::alert(const QString &pageName, const QString &message)
{
    if (m_silenced)
        return;
    QMessageBox box(QMessageBox::Information, dialogTitle, heading(pageName), QMessageBox::NoButton, m_owner);
    box.setInformativeText(message);
    box.addButton(QStringLiteral("Εντάξει"), QMessageBox::AcceptRole);
    ask(box);
}

bool PageDialogs::confirm(const QString &pageName, const QString &message)
{
    if (m_silenced)
        return false;
    QMessageBox box(QMessageBox::Question, dialogTitle, heading(pageName), QMessageBox::NoButton, m_owner);
    box.setInformativeText(message);
    box.addButton(QStringLiteral("Εντάξει"), QMessageBox::AcceptRole);
    box.setEscapeButton(box.addButton(QStringLiteral("Άκυρο"), QMessageBox::RejectRole));
    return ask(box);
}

bool PageDialogs::prompt(const QString &pageName, const QString &message, const QString &defaultValue,
                         QString *result)
{
    if (m_silenced)
        return false;
    QMessageBox box(QMessageBox::Question, dialogTitle, heading(pageName), QMessageBox::NoButton, m_owner);
    box.setInformativeText(message);
    auto *answer = new QLineEdit(defaultValue, &box);
    answer->setObjectName(QStringLiteral("pageAnswer"));
    answer->setAccessibleName(QStringLiteral("Απάντηση"));
    box.addButton(QStringLiteral("Εντάξει"), QMessageBox::AcceptRole);
    box.setEscapeButton(box.addButton(QStringLiteral("Άκυρο"), QMessageBox::RejectRole));
    const bool accepted = ask(box, answer);
    if (accepted && result)
        *result = answer->text();
    return accepted;
}

bool PageDialogs::leave(const QString &pageName)
{
    if (m_silenced)
        return true;
    QMessageBox box(QMessageBox::Question, dialogTitle, heading(pageName), QMessageBox::NoButton, m_owner);
    box.setInformativeText(
        QStringLiteral("Θέλετε να φύγετε από αυτή τη σελίδα; Όσα αλλάξατε σε αυτή ίσως δεν αποθηκευτούν."));
    box.addButton(QStringLiteral("Αποχώρηση"), QMessageBox::AcceptRole);
    box.setEscapeButton(box.addButton(QStringLiteral("Παραμονή"), QMessageBox::RejectRole));
    return ask(box);
}
