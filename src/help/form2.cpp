#include "help/form2.h"

#include "editor/documentlooks.h"
#include "help/helppane.h"
#include "help/presentationtopics.h"
#include "widgets/fonts.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QScreen>
#include <QShowEvent>
#include <QSplitter>

namespace {
constexpr int listWidth = 184;
constexpr int itemHeight = 18;
constexpr quint32 listColour = 11141205; // 0xAA0055
} // namespace

TForm2::TForm2(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Παρουσίαση"));
    setFont(Fonts::pixels(15));
    resize(770, 562);

    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setChildrenCollapsible(false);
    Splitter1->setHandleWidth(4);

    Panel2 = new QWidget(Splitter1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    ListBox1 = new QListWidget(Panel2);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setAccessibleName(QStringLiteral("Θέματα της παρουσίασης"));
    ListBox1->setFont(Fonts::pixels(15, true));
    QPalette listPalette = ListBox1->palette();
    listPalette.setColor(QPalette::Text, colourFromBgr(listColour));
    ListBox1->setPalette(listPalette);
    ListBox1->setUniformItemSizes(true);
    for (const PresentationTopic &topic : presentationTopics()) {
        auto *item = new QListWidgetItem(topic.entry, ListBox1);
        item->setSizeHint(QSize(0, itemHeight));
    }
    auto *listLayout = new QHBoxLayout(Panel2);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->addWidget(ListBox1);

    Panel3 = new QWidget(Splitter1);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel4 = new QWidget(Panel3);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    RichEdit1 = new HelpPane(Panel4);
    RichEdit1->setAccessibleName(QStringLiteral("Επεξήγηση του θέματος"));
    // The text keeps clear of the pane's edges, more at the sides than at the top and bottom.
    RichEdit1->setTextMargins(20, 22, 20, 12);
    auto *paneLayout = new QHBoxLayout(Panel4);
    paneLayout->setContentsMargins(0, 0, 0, 0);
    paneLayout->addWidget(RichEdit1);
    auto *rightLayout = new QHBoxLayout(Panel3);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(Panel4);

    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    // The column is 184 pixels wide, or as wide as its longest entry where the interface font runs wider than
    // the one it was laid out for, so that no entry is cut short.
    int columnWidth = listWidth;
    const QFontMetrics metrics(ListBox1->font());
    for (int i = 0; i < ListBox1->count(); ++i)
        columnWidth = qMax(columnWidth, metrics.horizontalAdvance(ListBox1->item(i)->text()) +
                                            2 * ListBox1->frameWidth() + 12);
    Splitter1->setSizes({columnWidth, width() - columnWidth - Splitter1->handleWidth()});
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Splitter1);

    // A click and the arrow keys both select an entry; a click on the selected entry shows it anew. Focus
    // alone makes the first entry current without selecting it, and shows nothing.
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, &TForm2::ListBox1Click);
    connect(ListBox1, &QListWidget::itemClicked, this, &TForm2::ListBox1Click);
}

void TForm2::ListBox1Click()
{
    RichEdit1->clearLines();
    const QVector<PresentationTopic> &topics = presentationTopics();
    const QList<QListWidgetItem *> selected = ListBox1->selectedItems();
    const int index = selected.isEmpty() ? -1 : ListBox1->row(selected.first());
    if (index < 0 || index >= topics.size())
        return;
    for (const PresentationLine &line : topics[index].lines)
        RichEdit1->addLine(line.text, line.colour, true);
    RichEdit1->moveCursor(QTextCursor::Start);
}

void TForm2::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_placed) {
        // Centred on the desktop the first time it is shown; afterwards it stays where the pupil puts it.
        m_placed = true;
        if (const QScreen *s = screen())
            move(s->availableGeometry().center() - rect().center());
    }
}
