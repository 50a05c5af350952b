#include "app/startupwindow.h"

#include "app/core/programtexts.h"
#include "app/core/termstext.h"
#include "editor/codepane.h"
#include "widgets/docklayout.h"
#include "widgets/fonts.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {
const QString enterCaption = QStringLiteral("Είσοδος");
const QString closeCaption = QStringLiteral("Κλείσιμο");
} // namespace

StartupWindow::StartupWindow(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(ProgramTexts::startupCaption());
    setFont(Fonts::pixels(11));
    resize(507, 470);

    m_termsPane = new CodePane(this);
    m_termsPane->setObjectName(QStringLiteral("RichEdit1"));
    m_termsPane->setAccessibleName(QStringLiteral("Όροι χρήσης"));
    m_termsPane->setReadOnly(true);
    m_termsPane->setTextInteractionFlags(Qt::NoTextInteraction);
    m_termsPane->setFocusPolicy(Qt::NoFocus);
    m_termsPane->setFrameShape(QFrame::NoFrame);
    m_termsPane->setFont(Fonts::pixels(15));
    m_termsPane->setGeometry(8, 8, 492, 318);

    m_enterButton = new QPushButton(QStringLiteral("Διάλεξε μία από τις παραπάνω επιλογές"), this);
    m_enterButton->setObjectName(QStringLiteral("SpeedButton1"));
    m_enterButton->setFlat(true);
    m_enterButton->setFont(Fonts::pixels(15, true));
    m_enterButton->resize(width(), 38);

    m_declaration = new QGroupBox(QStringLiteral("Δηλώνω οτι:"), this);
    m_declaration->setObjectName(QStringLiteral("RadioGroup1"));
    m_declaration->setFont(Fonts::pixels(15));
    m_declaration->resize(width(), 113);
    m_acceptItem = new QRadioButton(QStringLiteral("Αποδέχομαι τους όρους"), m_declaration);
    m_declineItem = new QRadioButton(QStringLiteral("Δεν αποδέχομαι τους όρους"), m_declaration);
    auto *items = new QVBoxLayout(m_declaration);
    items->addWidget(m_acceptItem);
    items->addWidget(m_declineItem);

    dockInto(this, m_enterButton, DockAlign::Bottom);
    dockInto(this, m_declaration, DockAlign::Bottom);
    setTabOrder(m_acceptItem, m_declineItem);
    setTabOrder(m_declineItem, m_enterButton);

    // An item chosen by any means (mouse, keys, a screen reader's action) sets the button's caption.
    connect(m_acceptItem, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            chooseDeclaration(0);
    });
    connect(m_declineItem, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            chooseDeclaration(1);
    });
    connect(m_enterButton, &QPushButton::clicked, this, &StartupWindow::enterOrClose);

    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void StartupWindow::chooseDeclaration(int itemIndex)
{
    m_enterButton->setText(itemIndex == 0 ? enterCaption : closeCaption);
}

void StartupWindow::enterOrClose()
{
    if (m_enterButton->text() == enterCaption)
        Q_EMIT entered();
    else
        close();
}

void StartupWindow::writeTerms()
{
    m_termsPane->clearLines();
    m_termsPane->setSelectionStart(0);
    for (const TermsLine &line : termsText()) {
        m_termsPane->setSelColor(line.colour);
        m_termsPane->setSelStyle(line.bold, false, line.underline);
        m_termsPane->setSelSize(line.pointSize);
        m_termsPane->addLine(line.text);
    }
    m_termsPane->setSelectionStart(0);
}

void StartupWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        writeTerms();
}

void StartupWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The terms pane is anchored to all four sides: it keeps its margins as the window grows or shrinks. Its
    // bottom stays a few pixels above the radio group, whose caption it would otherwise cover.
    const int groupTop = height() - m_enterButton->height() - m_declaration->height();
    m_termsPane->setGeometry(8, 8, width() - 15, qMax(0, qMin(height() - 152, groupTop - 12)));
    m_termsPane->viewport()->update();
}

void StartupWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    Q_EMIT closed();
}
