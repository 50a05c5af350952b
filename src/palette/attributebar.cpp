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

const QString kBarName = QStringLiteral("panel15");
const QString kGeneralBoxName = QStringLiteral("combo1");
const QString kGeneralBoxText = QStringLiteral("Γενικά Χαρακτηριστικά");
constexpr int kBarHeight = 23;
constexpr int kBoxHeight = 23;
constexpr int kGeneralBoxWidth = 177;

} // namespace

AttributeBar::AttributeBar(QWidget *owner, QWidget *editorArea, const EditingSession *session,
                           QObject *parent)
    : QObject(parent), m_owner(owner), m_editorArea(editorArea), m_session(session)
{
    createBar(QStringLiteral("Panel15"));
}

QWidget *AttributeBar::currentBar() const
{
    return qobject_cast<QWidget *>(findComponent(kBarName));
}

void AttributeBar::resetBar()
{
    if (!m_session->isEditing())
        return;
    freeComponent(kBarName);
    createBar(kBarName)->show();
}

QWidget *AttributeBar::createBar(const QString &name)
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
    return bar;
}

void AttributeBar::fillForTag(const QString &met)
{
    if (!m_session->isEditing())
        return;
    QWidget *bar = currentBar();
    if (!bar)
        return;
    if (TagButtons::find(met) && !TagButtons::isComment(met)) {
        bar->show();
        addGeneralBox();
    }
    if (const AttributeList *list = AttributeLists::forCaption(met)) {
        bar->show();
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
    QWidget *bar = currentBar();
    if (!bar)
        return nullptr;
    auto *button = new QToolButton(bar);
    button->setText(text);
    button->setAccessibleName(text);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->resize(width, kBarHeight);
    connect(button, &QToolButton::clicked, this, [this, button] { insertButtonCaption(button); });
    dockInto(bar, button, DockAlign::Left);
    button->show();
    return button;
}

QComboBox *AttributeBar::addBox(const QString &name, const QString &text, int width, const QStringList &items)
{
    freeComponent(name);
    QWidget *bar = currentBar();
    if (!bar)
        return nullptr;
    auto *box = new QComboBox(bar);
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
    // The box is as wide as it is designed, or as wide as its caption needs where the face is wider than the
    // one it was designed for, so that the caption is read whole.
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
    dockInto(bar, box, DockAlign::Left);
    box->show();
    return box;
}

QObject *AttributeBar::findComponent(const QString &name) const
{
    const QList<QObject *> descendants = m_owner->findChildren<QObject *>();
    for (QObject *object : descendants)
        if (object->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return object;
    return nullptr;
}

void AttributeBar::freeComponent(const QString &name)
{
    QObject *component = findComponent(name);
    if (!component)
        return;
    // Taken out of the window at once, so that its name is free and its place in the docking is given up, but
    // destroyed only once the current event is over: the component may be the one whose signal is running.
    if (auto *widget = qobject_cast<QWidget *>(component)) {
        widget->hide();
        if (QWidget *parent = widget->parentWidget())
            if (auto *layout = qobject_cast<DockLayout *>(parent->layout()))
                if (const int index = layout->indexOf(widget); index >= 0)
                    delete layout->takeAt(index);
        widget->setParent(nullptr);
    } else {
        component->setParent(nullptr);
    }
    component->setObjectName(QString());
    component->deleteLater();
}

void AttributeBar::insertButtonCaption(QAbstractButton *button)
{
    Q_EMIT insertText(button->text());
}

void AttributeBar::insertBoxChoice(QComboBox *box)
{
    Q_EMIT insertText(box->currentText());
}
