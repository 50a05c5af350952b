#include "palette/form6.h"

#include "palette/tagdescriptions.h"
#include "widgets/docklayout.h"
#include "widgets/fonts.h"

#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int kTipHeight = 28;
constexpr int kPanelHeight = 25;
const QColor kTipColour(255, 255, 215);

} // namespace

TForm6::TForm6(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint), m_panel1(new QLabel(this)),
      m_edit1(new QLineEdit(this))
{
    setObjectName(QStringLiteral("Form6"));
    setAutoFillBackground(true);
    QPalette tipPalette = palette();
    tipPalette.setColor(QPalette::Window, kTipColour);
    setPalette(tipPalette);
    resize(width(), kTipHeight);

    m_panel1->setObjectName(QStringLiteral("Panel1"));
    m_panel1->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_panel1->setLineWidth(1);
    m_panel1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_panel1->setAutoFillBackground(false);
    QFont font = Fonts::points(10, true);
    font.setItalic(true);
    m_panel1->setFont(font);
    m_panel1->resize(m_panel1->width(), kPanelHeight);
    dockInto(this, m_panel1, DockAlign::Top);

    m_edit1->setObjectName(QStringLiteral("Edit1"));
    m_edit1->hide();
}

void TForm6::setStatusBar(QWidget *statusBar)
{
    m_statusBar = statusBar;
}

void TForm6::setMainWindow(QWidget *mainWindow)
{
    m_mainWindow = mainWindow;
}

void TForm6::setValuePopup(QWidget *valuePopup)
{
    m_valuePopup = valuePopup;
}

void TForm6::minima(const QString &met)
{
    if (m_statusBar && parentWidget() != m_statusBar) {
        const bool wasHidden = isHidden();
        setParent(m_statusBar, Qt::Widget);
        setVisible(!wasHidden);
    }
    move(0, 0);
    m_edit1->setText(met);
    if (isHidden())
        show();
    raise();
}

void TForm6::ypokatleave(const QString &)
{
    m_edit1->clear();
    hide();
}

void TForm6::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Hidden also when it is only waiting to come up, so that it does not appear over the tip.
    if (m_valuePopup)
        m_valuePopup->hide();
    if (m_mainWindow)
        resize(m_mainWindow->frameGeometry().width(), kTipHeight);
    const QString description = TagDescriptions::lookup(m_edit1->text());
    if (!description.isNull())
        m_panel1->setText(description);
}
