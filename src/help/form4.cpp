#include "help/form4.h"

#include "help/helppane.h"
#include "help/helptexts.h"
#include "widgets/fonts.h"
#include "widgets/pictures.h"

#include <QLabel>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

TForm4::TForm4(QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(HelpTexts::aboutCaption());
    setFont(Fonts::pixels(15));
    setFixedSize(303, 394);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("Velmark"));
    Image1->setPixmap(Pictures::banner());
    Image1->setScaledContents(true);
    Image1->setFixedHeight(81);

    RichEdit1 = new HelpPane(this);
    RichEdit1->setAccessibleName(QStringLiteral("Σχετικά με το πρόγραμμα"));
    RichEdit1->setFrameShape(QFrame::NoFrame);
    // A scroll bar appears only where the interface font runs wider than the text was written for.
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RichEdit1->setTextInteractionFlags(Qt::NoTextInteraction);
    RichEdit1->setFocusPolicy(Qt::NoFocus);
    RichEdit1->viewport()->setCursor(Qt::ArrowCursor);

    Label1 = new QLabel(HelpTexts::aboutEmails(), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(Fonts::pixels(15, true));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setAutoFillBackground(true);
    QPalette labelPalette = Label1->palette();
    labelPalette.setColor(QPalette::Window, Qt::white);
    labelPalette.setColor(QPalette::WindowText, Qt::black);
    Label1->setPalette(labelPalette);
    Label1->setFixedHeight(42);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Image1);
    layout->addWidget(RichEdit1, 1);
    layout->addWidget(Label1);
}

void TForm4::FormShow()
{
    RichEdit1->setTextMargins(10, 22, 10, 12);
    RichEdit1->clearLines();
    for (const HelpLine &line : HelpTexts::aboutText())
        RichEdit1->addLine(line.text, line.colour, line.bold);
    RichEdit1->moveCursor(QTextCursor::Start);
}

void TForm4::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    if (!m_placed) {
        m_placed = true;
        if (const QScreen *s = screen())
            move(s->availableGeometry().center() - rect().center());
    }
    FormShow();
}
