#include "assist/form7.h"

#include "assist/popupplacement.h"
#include "assist/valuelists.h"
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

TForm7::TForm7(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("Form7"));
    setAccessibleName(QStringLiteral("Τιμές χαρακτηριστικού"));
    // The popup comes up while the pupil works in the code pane: it must not take the keyboard from it. Its
    // values are picked with the mouse, or with the keyboard in the list the box opens.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFont(Fonts::pixels(11));
    resize(200, kHeight);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setAccessibleName(QStringLiteral("Τιμές χαρακτηριστικού"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setFont(Fonts::pixels(15, true));
    ComboBox1->setStyleSheet(QStringLiteral("QComboBox { background: #004080; color: #c0c0c0; }"));
    dockInto(this, ComboBox1, DockAlign::Fill);

    m_delay.setSingleShot(true);
    m_delay.setInterval(kDelayMs);
    connect(&m_delay, &QTimer::timeout, this, &TForm7::showNext);
    // A pick from the list (mouse or arrow keys) inserts the value, then closes; text typed into the field
    // only closes. Filling and emptying the box by the program do neither.
    connect(ComboBox1, &QComboBox::activated, this, [this](int index) {
        Q_EMIT picked(ComboBox1->itemText(index));
        ComboBox1Change();
    });
    connect(ComboBox1->lineEdit(), &QLineEdit::textEdited, this, &TForm7::ComboBox1Change);
}

void TForm7::offer(const QList<const ValueList *> &lists, const QPoint &pointer)
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

bool TForm7::isPending() const
{
    return m_delay.isActive();
}

void TForm7::showNext()
{
    if (m_pending.isEmpty())
        return;
    const ValueList *list = m_pending.takeFirst();
    ComboBox1->clear();
    QFont font = ComboBox1->font();
    font.setBold(true);
    ComboBox1->setFont(font);
    ComboBox1->addItems(list->values);
    // The box shows an empty field: nothing is chosen until the user picks.
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->clearEditText();
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

void TForm7::changeEvent(QEvent *event)
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

void TForm7::ComboBox1Change()
{
    hide();
}

void TForm7::cancelPending()
{
    m_delay.stop();
    m_pending.clear();
    updateWatching();
}

void TForm7::updateWatching()
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

void TForm7::setVisible(bool visible)
{
    if (!visible)
        cancelPending();
    QWidget::setVisible(visible);
    // Whichever way the popup closes, it forgets its values.
    if (!visible)
        ComboBox1->clear();
    updateWatching();
}

bool TForm7::isInside(const QObject *object) const
{
    for (; object; object = object->parent())
        if (object == this)
            return true;
    return false;
}

bool TForm7::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    const bool key = type == QEvent::KeyPress;
    const bool click = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    if ((key || click) && isPending()) {
        // The pupil went on working before the list came up: it is no longer wanted.
        cancelPending();
    } else if (key && isVisible() && watched->isWidgetType() && !isInside(watched)) {
        // Typing elsewhere (in the code pane) closes the list, which would otherwise stand over the text.
        ComboBox1Change();
    }
    return false;
}
