#include "palette/tagtoolbars.h"

#include "palette/core/tagbuttons.h"
#include "palette/core/tagdescriptions.h"
#include "widgets/docklayout.h"
#include "widgets/fonts.h"

#include <QEvent>
#include <QToolButton>

namespace {

constexpr int kButtonHeight = 20;

} // namespace

TagToolbars::TagToolbars(const QList<QWidget *> &rows, QObject *parent) : QObject(parent)
{
    Q_ASSERT(rows.size() == TagButtons::RowCount);
    const QList<TagButton> &table = TagButtons::all();
    for (const TagButton &entry : table)
        m_buttons.append(createButton(rows[entry.row - 1], entry.objectName, entry.caption));

    // Docking order decides the place in a row: a left-docked button docked later takes the left end, and the
    // first right-docked button takes the right edge. Docking both kinds from the end of the table backwards
    // leaves every row in table order from left to right.
    for (int i = int(table.size()) - 1; i >= 0; --i) {
        const TagButton &entry = table[i];
        QToolButton *button = m_buttons[i];
        const DockAlign align = entry.placement == TagPlacement::Left    ? DockAlign::Left
                                : entry.placement == TagPlacement::Right ? DockAlign::Right
                                                                         : DockAlign::Fill;
        dockInto(rows[entry.row - 1], button, align);
    }
}

QToolButton *TagToolbars::createButton(QWidget *row, const QString &objectName, const QString &caption)
{
    auto *button = new QToolButton(row);
    button->setObjectName(objectName);
    button->setText(caption);
    button->setAccessibleName(caption);
    // The description the tip shows while the mouse rests on the button is read out with the button.
    button->setAccessibleDescription(TagDescriptions::lookup(caption));
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setAutoRaise(true);
    button->setFont(Fonts::latinPoints(8, true));
    button->setFixedHeight(kButtonHeight);
    button->setMouseTracking(true);
    button->installEventFilter(this);
    connect(button, &QToolButton::clicked, this, [this, button] { Q_EMIT tagClicked(button->text()); });
    return button;
}

void TagToolbars::layoutWidths(int windowOuterWidth)
{
    const QList<TagButton> &table = TagButtons::all();
    for (int i = 0; i < table.size(); ++i)
        if (table[i].placement != TagPlacement::Fill)
            m_buttons[i]->resize(table[i].width(windowOuterWidth), kButtonHeight);
}

QToolButton *TagToolbars::button(const QString &objectName) const
{
    for (QToolButton *button : m_buttons)
        if (button->objectName() == objectName)
            return button;
    return nullptr;
}

bool TagToolbars::eventFilter(QObject *watched, QEvent *event)
{
    if (auto *button = qobject_cast<QToolButton *>(watched)) {
        if (event->type() == QEvent::MouseMove)
            Q_EMIT tagHovered(button->text());
        else if (event->type() == QEvent::Leave)
            Q_EMIT tagLeft(button->text());
    }
    return QObject::eventFilter(watched, event);
}
