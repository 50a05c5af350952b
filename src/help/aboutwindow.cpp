#include "help/aboutwindow.h"

#include "help/helppane.h"
#include "help/helptexts.h"
#include "widgets/fonts.h"
#include "widgets/pictures.h"

#include <QLabel>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

AboutWindow::AboutWindow(QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(HelpTexts::aboutCaption());
    setFont(Fonts::pixels(15));
    setFixedSize(303, 394);

    m_banner = new QLabel(this);
    m_banner->setObjectName(QStringLiteral("Image1"));
    m_banner->setAccessibleName(QStringLiteral("Velmark"));
    m_banner->setPixmap(Pictures::banner());
    m_banner->setScaledContents(true);
    m_banner->setFixedHeight(81);

    m_aboutPane = new HelpPane(this);
    m_aboutPane->setAccessibleName(QStringLiteral("Σχετικά με το πρόγραμμα"));
    m_aboutPane->setFrameShape(QFrame::NoFrame);
    // A scroll bar appears only where the interface font runs wider than the text was written for.
    m_aboutPane->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_aboutPane->setTextInteractionFlags(Qt::NoTextInteraction);
    m_aboutPane->setFocusPolicy(Qt::NoFocus);
    m_aboutPane->viewport()->setCursor(Qt::ArrowCursor);

    m_addressesLabel = new QLabel(HelpTexts::aboutEmails(), this);
    m_addressesLabel->setObjectName(QStringLiteral("Label1"));
    m_addressesLabel->setFont(Fonts::pixels(15, true));
    m_addressesLabel->setAlignment(Qt::AlignCenter);
    m_addressesLabel->setAutoFillBackground(true);
    QPalette labelPalette = m_addressesLabel->palette();
    labelPalette.setColor(QPalette::Window, Qt::white);
    labelPalette.setColor(QPalette::WindowText, Qt::black);
    m_addressesLabel->setPalette(labelPalette);
    m_addressesLabel->setFixedHeight(42);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_banner);
    layout->addWidget(m_aboutPane, 1);
    layout->addWidget(m_addressesLabel);
}

void AboutWindow::writeAboutText()
{
    m_aboutPane->setTextMargins(10, 22, 10, 12);
    m_aboutPane->clearLines();
    for (const HelpLine &line : HelpTexts::aboutText())
        m_aboutPane->addLine(line.text, line.colour, line.bold);
    m_aboutPane->moveCursor(QTextCursor::Start);
}

void AboutWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    if (!m_placed) {
        m_placed = true;
        if (const QScreen *s = screen())
            move(s->availableGeometry().center() - rect().center());
    }
    writeAboutText();
}
