#include "palette/tagtip.h"

#include "core/programcolours.h"
#include "palette/core/tagdescriptions.h"
#include "widgets/bgrcolour.h"
#include "widgets/docklayout.h"
#include "widgets/fonts.h"

#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int kTipHeight = 28;
constexpr int kPanelHeight = 25;

} // namespace

TagTip::TagTip(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint), m_descriptionLabel(new QLabel(this)),
      m_captionField(new QLineEdit(this))
{
    setObjectName(QStringLiteral("Form6"));
    setAutoFillBackground(true);
    QPalette tipPalette = palette();
    tipPalette.setColor(QPalette::Window, colourFromBgr(ProgramColours::PaleYellow));
    setPalette(tipPalette);
    resize(width(), kTipHeight);

    m_descriptionLabel->setObjectName(QStringLiteral("Panel1"));
    m_descriptionLabel->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_descriptionLabel->setLineWidth(1);
    m_descriptionLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_descriptionLabel->setAutoFillBackground(false);
    QFont font = Fonts::points(10, true);
    font.setItalic(true);
    m_descriptionLabel->setFont(font);
    m_descriptionLabel->resize(m_descriptionLabel->width(), kPanelHeight);
    dockInto(this, m_descriptionLabel, DockAlign::Top);

    m_captionField->setObjectName(QStringLiteral("Edit1"));
    m_captionField->hide();
}

void TagTip::setStatusBar(QWidget *statusBar)
{
    m_statusBar = statusBar;
}

void TagTip::setMainWindow(QWidget *mainWindow)
{
    m_mainWindow = mainWindow;
}

void TagTip::setValuePopup(QWidget *valuePopup)
{
    m_valuePopup = valuePopup;
}

void TagTip::showDescription(const QString &caption)
{
    if (m_statusBar && parentWidget() != m_statusBar) {
        const bool wasHidden = isHidden();
        setParent(m_statusBar, Qt::Widget);
        setVisible(!wasHidden);
    }
    move(0, 0);
    m_captionField->setText(caption);
    if (isHidden())
        show();
    raise();
}

void TagTip::hideDescription(const QString &)
{
    m_captionField->clear();
    hide();
}

void TagTip::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Hidden also when it is only waiting to come up, so that it does not appear over the tip.
    if (m_valuePopup)
        m_valuePopup->hide();
    if (m_mainWindow)
        resize(m_mainWindow->frameGeometry().width(), kTipHeight);
    const QString description = TagDescriptions::lookup(m_captionField->text());
    if (!description.isNull())
        m_descriptionLabel->setText(description);
}
