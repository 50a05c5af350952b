#pragma once

#include <QPointer>
#include <QWidget>

class CodePane;
class QGroupBox;
class QPushButton;
class QRadioButton;

// The start-up window with the terms of use; the application's main form, whose closing, even while
// hidden, ends the program.
class StartupWindow : public QWidget
{
    Q_OBJECT

public:
    explicit StartupWindow(QWidget *parent = nullptr);

    // The main window that "Είσοδος" shows.
    void setMainWindow(QWidget *mainWindow);

    CodePane *termsPane() const { return m_termsPane; }
    QGroupBox *declarationGroup() const { return m_declaration; }
    QRadioButton *acceptItem() const { return m_acceptItem; }
    QRadioButton *declineItem() const { return m_declineItem; }
    QPushButton *enterButton() const { return m_enterButton; }

    // The button caption follows the chosen item (0 accept, 1 decline).
    void chooseDeclaration(int itemIndex);
    // "Είσοδος" shows the main window; any other caption closes this window.
    void enterOrClose();
    // Writes the terms text.
    void writeTerms();

Q_SIGNALS:
    // The window was closed: the program ends.
    void closed();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    CodePane *m_termsPane;          // `RichEdit1`: the terms of use, read-only
    QGroupBox *m_declaration;       // `RadioGroup1`: "Δηλώνω οτι:" with the accept and decline items
    QRadioButton *m_acceptItem;     // item 0 of the declaration
    QRadioButton *m_declineItem;    // item 1 of the declaration
    QPushButton *m_enterButton;     // `SpeedButton1`: enter or close, by its caption
    QPointer<QWidget> m_mainWindow; // a window of its own, which may go first
};
