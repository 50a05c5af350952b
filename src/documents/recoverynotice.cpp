#include "documents/recoverynotice.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

RecoveryNotice::RecoveryNotice(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("recoveryNotice"));
    setAccessibleName(QStringLiteral("Ειδοποίηση ανάκτησης κειμένου"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 244, 206));
    pal.setColor(QPalette::WindowText, QColor(40, 40, 40));
    setPalette(pal);

    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("recoveryNoticeText"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_openButton = new QPushButton(QStringLiteral("Άνοιγμα Ανάκτησης"), this);
    m_openButton->setObjectName(QStringLiteral("openRecoveryButton"));
    m_openButton->setAccessibleName(QStringLiteral("Άνοιγμα Ανάκτησης"));
    m_openButton->setToolTip(QStringLiteral("Ανοίγει την «Ανάκτηση Κειμένου…» με τα κείμενα που κρατήθηκαν"));
    m_closeButton = new QToolButton(this);
    m_closeButton->setObjectName(QStringLiteral("closeRecoveryNoticeButton"));
    m_closeButton->setAutoRaise(true);
    m_closeButton->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    m_closeButton->setAccessibleName(QStringLiteral("Κλείσιμο μηνύματος"));
    m_closeButton->setToolTip(QStringLiteral("Κλείσιμο μηνύματος"));

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 3, 4, 3);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_openButton);
    layout->addWidget(m_closeButton);

    connect(m_openButton, &QPushButton::clicked, this, [this] {
        hide();
        Q_EMIT openRequested();
    });
    connect(m_closeButton, &QToolButton::clicked, this, &QWidget::hide);
    hide();
}

void RecoveryNotice::announce(const RecoveryEntry &entry)
{
    const QString notice = unsavedTextNotice(entry);
    m_text->setText(notice);
    setAccessibleDescription(notice);
    resize(width(), sizeHint().height());
    show();
}
