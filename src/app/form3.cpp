#include "app/form3.h"

#include "app/programtexts.h"
#include "app/termstext.h"
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

TForm3::TForm3(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(ProgramTexts::startupCaption());
    setFont(Fonts::pixels(11));
    resize(507, 470);

    RichEdit1 = new CodePane(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setAccessibleName(QStringLiteral("Όροι χρήσης"));
    RichEdit1->setReadOnly(true);
    RichEdit1->setTextInteractionFlags(Qt::NoTextInteraction);
    RichEdit1->setFocusPolicy(Qt::NoFocus);
    RichEdit1->setFrameShape(QFrame::NoFrame);
    RichEdit1->setFont(Fonts::pixels(15));
    RichEdit1->setGeometry(8, 8, 492, 318);

    SpeedButton1 = new QPushButton(QStringLiteral("Διάλεξε μία από τις παραπάνω επιλογές"), this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setFlat(true);
    SpeedButton1->setFont(Fonts::pixels(15, true));
    SpeedButton1->resize(width(), 38);

    RadioGroup1 = new QGroupBox(QStringLiteral("Δηλώνω οτι:"), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setFont(Fonts::pixels(15));
    RadioGroup1->resize(width(), 113);
    acceptItem = new QRadioButton(QStringLiteral("Αποδέχομαι τους όρους"), RadioGroup1);
    declineItem = new QRadioButton(QStringLiteral("Δεν αποδέχομαι τους όρους"), RadioGroup1);
    auto *items = new QVBoxLayout(RadioGroup1);
    items->addWidget(acceptItem);
    items->addWidget(declineItem);

    dockInto(this, SpeedButton1, DockAlign::Bottom);
    dockInto(this, RadioGroup1, DockAlign::Bottom);
    setTabOrder(acceptItem, declineItem);
    setTabOrder(declineItem, SpeedButton1);

    // An item chosen by any means (mouse, keys, a screen reader's action) sets the button's caption.
    connect(acceptItem, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioGroup1Click(0);
    });
    connect(declineItem, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioGroup1Click(1);
    });
    connect(SpeedButton1, &QPushButton::clicked, this, &TForm3::SpeedButton1Click);

    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void TForm3::setMainWindow(QWidget *mainWindow)
{
    m_mainWindow = mainWindow;
}

void TForm3::RadioGroup1Click(int itemIndex)
{
    SpeedButton1->setText(itemIndex == 0 ? enterCaption : closeCaption);
}

void TForm3::SpeedButton1Click()
{
    if (SpeedButton1->text() == enterCaption && m_mainWindow)
        m_mainWindow->show();
    else
        close();
}

void TForm3::FormShow()
{
    RichEdit1->clearLines();
    RichEdit1->setSelStart(0);
    for (const TermsLine &line : termsText()) {
        RichEdit1->setSelColor(line.colour);
        RichEdit1->setSelStyle(line.bold, false, line.underline);
        RichEdit1->setSelSize(line.pointSize);
        RichEdit1->addLine(line.text);
    }
    RichEdit1->setSelStart(0);
}

void TForm3::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm3::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The terms pane is anchored to all four sides: it keeps its margins as the window grows or shrinks.
    RichEdit1->setGeometry(8, 8, width() - 15, height() - 152);
    RichEdit1->viewport()->update();
}

void TForm3::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    Q_EMIT closed();
}
