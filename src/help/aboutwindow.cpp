#include "help/aboutwindow.h"

#include "help/core/helptexts.h"
#include "help/helppane.h"
#include "widgets/fonts.h"
#include "widgets/pictures.h"
#include "widgets/titlewidth.h"

#include <QLabel>
#include <QScreen>
#include <QShowEvent>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QtMath>

#include <memory>

namespace {

constexpr int leastWidth = 303;
constexpr int leastHeight = 394;
constexpr int bannerHeight = 81;
constexpr int addressesHeight = 42;
// Kept free above the window on a low screen for the window manager's title bar.
constexpr int titleBarRoom = 40;

} // namespace

AboutWindow::AboutWindow(QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(HelpTexts::aboutCaption());
    setFont(Fonts::pixels(15));
    // Wide enough for the window manager to show the whole caption.
    setFixedSize(qMax(leastWidth, titleBarWidth(windowTitle())), leastHeight);

    m_banner = new QLabel(this);
    m_banner->setObjectName(QStringLiteral("Image1"));
    m_banner->setAccessibleName(QStringLiteral("Velmark"));
    m_banner->setPixmap(Pictures::banner());
    m_banner->setScaledContents(true);
    m_banner->setFixedHeight(bannerHeight);

    m_aboutPane = new HelpPane(this);
    m_aboutPane->setAccessibleName(QStringLiteral("Σχετικά με το πρόγραμμα"));
    m_aboutPane->setFrameShape(QFrame::NoFrame);
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
    m_addressesLabel->setFixedHeight(addressesHeight);

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
    fitToText();
}

void AboutWindow::fitToText()
{
    // The text was written for Tahoma; the faces installed here may run wider and wrap into more lines. The
    // window keeps its width and grows downwards until the whole text shows, up to the screen's height.
    std::unique_ptr<QTextDocument> copy(m_aboutPane->document()->clone());
    copy->setTextWidth(width() - 2 * m_aboutPane->frameWidth());
    const int textHeight = qCeil(copy->size().height()) + 2 * m_aboutPane->frameWidth();
    const int wanted = qMax(leastHeight, bannerHeight + textHeight + addressesHeight);
    int height = wanted;
    if (const QScreen *s = screen())
        height = qMin(height, qMax(leastHeight, s->availableGeometry().height() - titleBarRoom));
    // A scroll bar only when the screen is too low for the text. Left to show itself as needed, a bar shown
    // once narrows the text, which then wraps into more lines and keeps the bar even after the window grew.
    m_aboutPane->setVerticalScrollBarPolicy(height < wanted ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setFixedHeight(height);
}

void AboutWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    // Written before the first placing, so that the window is centred at the height the text gives it.
    writeAboutText();
    if (!m_placed) {
        m_placed = true;
        if (const QScreen *s = screen())
            move(s->availableGeometry().center() - rect().center());
    }
}
