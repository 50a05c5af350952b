#include "help/presentationwindow.h"

#include "core/programcolours.h"
#include "help/core/presentationtopics.h"
#include "help/helppane.h"
#include "widgets/bgrcolour.h"
#include "widgets/fonts.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QScreen>
#include <QShowEvent>
#include <QSplitter>

namespace {
constexpr int listWidth = 184;
constexpr int itemHeight = 18;
} // namespace

PresentationWindow::PresentationWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Παρουσίαση"));
    setFont(Fonts::pixels(15));
    resize(770, 562);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("Splitter1"));
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setHandleWidth(4);

    m_listColumn = new QWidget(m_splitter);
    m_listColumn->setObjectName(QStringLiteral("Panel2"));
    m_topicList = new QListWidget(m_listColumn);
    m_topicList->setObjectName(QStringLiteral("ListBox1"));
    m_topicList->setAccessibleName(QStringLiteral("Θέματα της παρουσίασης"));
    m_topicList->setFont(Fonts::pixels(15, true));
    QPalette listPalette = m_topicList->palette();
    listPalette.setColor(QPalette::Text, colourFromBgr(ProgramColours::Violet));
    m_topicList->setPalette(listPalette);
    m_topicList->setUniformItemSizes(true);
    for (const PresentationTopic &topic : presentationTopics()) {
        auto *item = new QListWidgetItem(topic.entry, m_topicList);
        item->setSizeHint(QSize(0, itemHeight));
    }
    auto *listLayout = new QHBoxLayout(m_listColumn);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->addWidget(m_topicList);

    m_textColumn = new QWidget(m_splitter);
    m_textColumn->setObjectName(QStringLiteral("Panel3"));
    m_paneHolder = new QWidget(m_textColumn);
    m_paneHolder->setObjectName(QStringLiteral("Panel4"));
    m_explanationPane = new HelpPane(m_paneHolder);
    m_explanationPane->setAccessibleName(QStringLiteral("Επεξήγηση του θέματος"));
    // The text keeps clear of the pane's edges, more at the sides than at the top and bottom.
    m_explanationPane->setTextMargins(20, 22, 20, 12);
    auto *paneLayout = new QHBoxLayout(m_paneHolder);
    paneLayout->setContentsMargins(0, 0, 0, 0);
    paneLayout->addWidget(m_explanationPane);
    auto *rightLayout = new QHBoxLayout(m_textColumn);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(m_paneHolder);

    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    // The column is 184 pixels wide, or as wide as its longest entry where the interface font runs wider than
    // the one it was laid out for, so that no entry is cut short.
    int columnWidth = listWidth;
    const QFontMetrics metrics(m_topicList->font());
    for (int i = 0; i < m_topicList->count(); ++i)
        columnWidth = qMax(columnWidth, metrics.horizontalAdvance(m_topicList->item(i)->text()) +
                                            2 * m_topicList->frameWidth() + 12);
    m_splitter->setSizes({columnWidth, width() - columnWidth - m_splitter->handleWidth()});
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_splitter);

    // A click and the arrow keys both select an entry; a click on the selected entry shows it anew. Focus
    // alone makes the first entry current without selecting it, and shows nothing.
    connect(m_topicList, &QListWidget::itemSelectionChanged, this, &PresentationWindow::showSelectedTopic);
    connect(m_topicList, &QListWidget::itemClicked, this, &PresentationWindow::showSelectedTopic);
}

void PresentationWindow::showSelectedTopic()
{
    m_explanationPane->clearLines();
    const QVector<PresentationTopic> &topics = presentationTopics();
    const QList<QListWidgetItem *> selected = m_topicList->selectedItems();
    const int index = selected.isEmpty() ? -1 : m_topicList->row(selected.first());
    if (index < 0 || index >= topics.size())
        return;
    for (const PresentationLine &line : topics[index].lines)
        m_explanationPane->addLine(line.text, line.colour, true);
    m_explanationPane->moveCursor(QTextCursor::Start);
}

void PresentationWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_placed) {
        // Centred on the desktop the first time it is shown; afterwards it stays where the pupil puts it.
        m_placed = true;
        if (const QScreen *s = screen())
            move(s->availableGeometry().center() - rect().center());
    }
}
