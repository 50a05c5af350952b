#include "assist/valuepopup.h"

#include "assist/core/popupplacement.h"
#include "assist/core/valuelists.h"
#include "core/programcolours.h"
#include "widgets/accessiblechoice.h"
#include "widgets/bgrcolour.h"
#include "widgets/closedboxwheel.h"
#include "widgets/docklayout.h"
#include "widgets/fonts.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScreen>

namespace {
constexpr int kDelayMs = 300;
constexpr int kHeight = 26;
} // namespace

ValuePopup::ValuePopup(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("Form7"));
    setAccessibleName(QStringLiteral("Τιμές χαρακτηριστικού"));
    // The popup comes up while the pupil works in the code pane: it must not take the keyboard from it. Its
    // values are picked with the mouse, or with the keyboard in the list the box opens.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFont(Fonts::pixels(11));
    resize(200, kHeight);
    m_valueBox = new QComboBox(this);
    m_valueBox->setObjectName(QStringLiteral("ComboBox1"));
    m_valueBox->setAccessibleName(QStringLiteral("Τιμές χαρακτηριστικού"));
    m_valueBox->setEditable(true);
    m_valueBox->lineEdit()->setAccessibleName(m_valueBox->accessibleName());
    AccessibleChoice::enable(m_valueBox);
    // The popup comes up under the pointer: the wheel turned to scroll the code must not pick values.
    keepWheelOffClosedBox(m_valueBox);
    m_valueBox->setInsertPolicy(QComboBox::NoInsert);
    m_valueBox->setFont(Fonts::pixels(15, true));
    m_valueBox->setStyleSheet(QStringLiteral("QComboBox { background: %1; color: %2; }")
                                  .arg(colourFromBgr(ProgramColours::DeepBlue).name(),
                                       colourFromBgr(ProgramColours::Silver).name()));
    dockInto(this, m_valueBox, DockAlign::Fill);

    m_delay.setSingleShot(true);
    m_delay.setInterval(kDelayMs);
    connect(&m_delay, &QTimer::timeout, this, &ValuePopup::showNext);
    // A pick from the list (mouse or arrow keys) inserts the value, then closes; text typed into the field
    // only closes. Filling and emptying the box by the program do neither.
    connect(m_valueBox, &QComboBox::activated, this, [this](int index) {
        Q_EMIT picked(m_valueBox->itemText(index));
        takeChoice();
    });
    connect(m_valueBox->lineEdit(), &QLineEdit::textEdited, this, &ValuePopup::takeChoice);
}

void ValuePopup::offer(const QList<const ValueList *> &lists, const QPoint &pointer)
{
    m_pending = lists;
    m_pointer = pointer;
    if (m_pending.isEmpty()) {
        m_delay.stop();
        return;
    }
    m_delay.start();
    updateWatching();
}

bool ValuePopup::isPending() const
{
    return m_delay.isActive();
}

void ValuePopup::showNext()
{
    if (m_pending.isEmpty())
        return;
    const ValueList *list = m_pending.takeFirst();
    m_valueBox->clear();
    QFont font = m_valueBox->font();
    font.setBold(true);
    m_valueBox->setFont(font);
    m_valueBox->addItems(list->values);
    // The box shows an empty field: nothing is chosen until the user picks.
    m_valueBox->setCurrentIndex(-1);
    m_valueBox->clearEditText();
    // The window follows the combo box's width, so the wide lists are seen whole.
    resize(list->width, kHeight);
    if (QWidget *active = QApplication::activeWindow(); active && active != this)
        m_returnTo = active;
    const QScreen *screen = QGuiApplication::screenAt(m_pointer);
    if (!screen)
        screen = this->screen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    move(popupPosition(m_pointer, QSize(list->width, kHeight), size(), area));
    show();
    raise();
    if (!m_pending.isEmpty())
        m_delay.start();
    updateWatching();
}

void ValuePopup::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Some window systems activate every window shown, whatever it asks for; the keyboard then goes back to
    // the window the pupil was working in.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_returnTo)
        QTimer::singleShot(0, m_returnTo.data(), [window = m_returnTo] {
            if (window)
                window->activateWindow();
        });
}

void ValuePopup::takeChoice()
{
    hide();
}

void ValuePopup::cancelPending()
{
    m_delay.stop();
    m_pending.clear();
    updateWatching();
}

void ValuePopup::updateWatching()
{
    // Keys and clicks are watched only while a list is coming or shown, so that typing otherwise costs
    // nothing extra.
    const bool wanted = isPending() || isVisible();
    if (wanted == m_watching)
        return;
    if (wanted)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
    m_watching = wanted;
}

void ValuePopup::setVisible(bool visible)
{
    if (!visible)
        cancelPending();
    QWidget::setVisible(visible);
    // Whichever way the popup closes, it forgets its values.
    if (!visible)
        m_valueBox->clear();
    updateWatching();
}

bool ValuePopup::isInside(const QObject *object) const
{
    for (; object; object = object->parent())
        if (object == this)
            return true;
    return false;
}

bool ValuePopup::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    const bool key = type == QEvent::KeyPress;
    const bool click = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    if ((key || click) && isPending()) {
        // The pupil went on working before the list came up: it is no longer wanted.
        cancelPending();
    } else if (key && isVisible() && watched->isWidgetType() && !isInside(watched)) {
        // Typing elsewhere (in the code pane) closes the list, which would otherwise stand over the text.
        takeChoice();
    }
    return false;
}
