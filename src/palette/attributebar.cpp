#include "palette/attributebar.h"

#include "core/editingsession.h"
#include "palette/core/attributelists.h"
#include "palette/core/tagbuttons.h"
#include "widgets/accessiblechoice.h"
#include "widgets/closedboxwheel.h"
#include "widgets/docklayout.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QToolButton>

namespace {

// The first strip is named with a capital; the strips made afterwards are named in lower case.
const QString kFirstBarName = QStringLiteral("Panel15");
const QString kBarName = QStringLiteral("panel15");
const QString kGeneralBoxName = QStringLiteral("combo1");
const QString kGeneralBoxText = QStringLiteral("Γενικά Χαρακτηριστικά");
constexpr int kBarHeight = 23;
constexpr int kBoxHeight = 23;
constexpr int kGeneralBoxWidth = 177;

} // namespace

AttributeBar::AttributeBar(QWidget *editorArea, const EditingSession *session, QObject *parent)
    : QObject(parent), m_editorArea(editorArea), m_session(session)
{
    createBar(kFirstBarName);
}

QWidget *AttributeBar::currentBar() const
{
    return m_bar;
}

void AttributeBar::resetBar()
{
    if (!m_session->isEditing())
        return;
    if (m_bar)
        free(m_bar);
    m_boxes.clear();
    createBar(kBarName);
    m_bar->show();
}

void AttributeBar::createBar(const QString &name)
{
    auto *bar = new QFrame(m_editorArea);
    bar->setObjectName(name);
    bar->setFrameStyle(QFrame::Panel | QFrame::Raised);
    QFont font = bar->font();
    font.setBold(true);
    bar->setFont(font);
    bar->resize(bar->width(), kBarHeight);
    // Docked after the strips already at the bottom, the bar sits directly under the code pane.
    dockInto(m_editorArea, bar, DockAlign::Bottom);
    m_bar = bar;
}

void AttributeBar::fillForTag(const QString &caption)
{
    if (!m_session->isEditing() || !m_bar)
        return;
    if (TagButtons::find(caption) && !TagButtons::isComment(caption)) {
        m_bar->show();
        addGeneralBox();
    }
    if (const AttributeList *list = AttributeLists::forCaption(caption)) {
        m_bar->show();
        for (const AttributeEntry &entry : list->entries)
            addAttributeButton(entry.text, entry.width);
    }
}

QComboBox *AttributeBar::addGeneralBox()
{
    return addBox(kGeneralBoxName, kGeneralBoxText, kGeneralBoxWidth, AttributeLists::general());
}

QAbstractButton *AttributeBar::addAttributeButton(const QString &text, int width)
{
    if (!m_bar)
        return nullptr;
    auto *button = new QToolButton(m_bar);
    button->setText(text);
    button->setAccessibleName(text);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->resize(width, kBarHeight);
    connect(button, &QToolButton::clicked, this, [this, button] { insertButtonCaption(button); });
    dockInto(m_bar, button, DockAlign::Left);
    button->show();
    return button;
}

QComboBox *AttributeBar::addBox(const QString &name, const QString &text, int width, const QStringList &items)
{
    if (QComboBox *namesake = m_boxes.take(name))
        free(namesake);
    if (!m_bar)
        return nullptr;
    auto *box = new QComboBox(m_bar);
    box->setObjectName(name);
    // An editable box shows its caption in the edit field; the field is read-only because typed text is not
    // a choice, and nothing typed may become an item.
    box->setEditable(true);
    box->lineEdit()->setReadOnly(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    QFont font = box->font();
    font.setBold(true);
    font.setPointSize(10);
    box->setFont(font);
    // The box is as wide as its table gives, or as wide as its caption needs where the face is wider than the
    // widths were chosen for, so that the caption is read whole.
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = true;
    const QSize captionSize(box->fontMetrics().horizontalAdvance(text) + 8, kBoxHeight);
    const int needed = box->style()->sizeFromContents(QStyle::CT_ComboBox, &option, captionSize, box).width();
    box->resize(qMax(width, needed), kBoxHeight);
    box->addItems(items);
    // The box keeps its width; its open list is as wide as its longest item, so that no item is cut short.
    QAbstractItemView *list = box->view();
    list->setMinimumWidth(list->sizeHintForColumn(0) + list->verticalScrollBar()->sizeHint().width() +
                          2 * list->frameWidth());
    // Filling an empty box selects its first item; the box starts with no item chosen and shows its caption.
    box->setCurrentIndex(-1);
    box->setEditText(text);
    box->lineEdit()->setCursorPosition(0);
    box->setAccessibleName(text);
    box->lineEdit()->setAccessibleName(text);
    AccessibleChoice::enable(box);
    // Only the user's picks insert: a click in the list or an arrow key on the closed box. Building and
    // filling the box above change its selection without a user action and insert nothing, and neither does
    // the wheel turned over the closed box.
    keepWheelOffClosedBox(box);
    connect(box, &QComboBox::activated, this, [this, box] { insertBoxChoice(box); });
    dockInto(m_bar, box, DockAlign::Left);
    box->show();
    m_boxes.insert(name, box);
    return box;
}

QComboBox *AttributeBar::box(const QString &name) const
{
    return m_boxes.value(name);
}

void AttributeBar::free(QWidget *control)
{
    // Taken out of the window at once, so that its name is free and its place in the docking is given up, but
    // destroyed only once the current event is over: the control may be the one whose signal is running.
    control->hide();
    if (QWidget *parent = control->parentWidget())
        if (auto *layout = qobject_cast<DockLayout *>(parent->layout()))
            if (const int index = layout->indexOf(control); index >= 0)
                delete layout->takeAt(index);
    control->setParent(nullptr);
    control->setObjectName(QString());
    control->deleteLater();
}

void AttributeBar::insertButtonCaption(QAbstractButton *button)
{
    Q_EMIT insertText(button->text());
}

void AttributeBar::insertBoxChoice(QComboBox *box)
{
    Q_EMIT insertText(box->currentText());
}
