// The main window's toolbox menu and the three views of the "Προτιμήσεις" menu.
#include "app/form5.h"
#include "app/toolboxcaptions.h"
#include "app/windowsizing.h"
#include "editor/codepane.h"
#include "widgets/docklayout.h"
#include "widgets/docksplitter.h"

#include <QAction>
#include <QCheckBox>

void TForm5::toolboxRowClick(int row)
{
    QWidget *panel = toolbarRows[size_t(row)];
    const int rowHeight = panel->height();
    if (toolboxItems[size_t(row)]->text() == toolboxRowCaption(row, true)) {
        panel->hide();
        Panel2->resize(Panel2->width(), Panel2->height() - rowHeight);
    } else {
        panel->show();
        Panel2->resize(Panel2->width(), Panel2->height() + rowHeight);
    }
    applyToolboxCaptions(false);
}

void TForm5::N25Click()
{
    const bool hideAll = toolboxItems[7]->text() == toolboxHideAllCaption();
    int sum = 0;
    for (QWidget *row : toolbarRows) {
        row->setVisible(!hideAll);
        sum += row->height();
    }
    Panel2->resize(Panel2->width(), hideAll ? 0 : sum);
    applyToolboxCaptions(true);
}

void TForm5::applyToolboxCaptions(bool afterAllClick)
{
    std::array<bool, 7> visible{};
    for (size_t i = 0; i < visible.size(); ++i)
        visible[i] = !toolbarRows[i]->isHidden();
    const QString currentAll = toolboxItems[7]->isSeparator() ? QString() : toolboxItems[7]->text();
    const ToolboxCaptions captions = applyToolboxCaptionRule(visible, currentAll, afterAllClick);
    for (size_t i = 0; i < 7; ++i) {
        toolboxItems[i]->setSeparator(false);
        toolboxItems[i]->setText(captions.rows[i]);
    }
    toolboxItems[7]->setSeparator(false);
    toolboxItems[7]->setText(captions.all);
}

void TForm5::undockViewParts()
{
    DockLayout *layout = dockLayoutOf(Panel8);
    for (QWidget *w : {Panel1, Panel11, Panel12, Panel9, static_cast<QWidget *>(Splitter6)})
        layout->dock(w, DockAlign::None);
}

void TForm5::Browser1Click()
{
    undockViewParts();
    DockLayout *layout = dockLayoutOf(Panel8);
    Panel9->resize(Panel9->width(), editorAreaHeight(frameGeometry().height()));
    Panel9->hide();
    Splitter6->hide();
    layout->dock(Panel12, DockAlign::Bottom);
    Panel12->show();
    layout->dock(Panel1, DockAlign::Fill);
    Panel1->show();
    layout->dock(Panel11, DockAlign::Top);
    Panel11->show();
}

void TForm5::htmleditor1Click()
{
    undockViewParts();
    DockLayout *layout = dockLayoutOf(Panel8);
    layout->dock(Panel12, DockAlign::Top);
    Panel12->show();
    layout->dock(Splitter6, DockAlign::Bottom);
    Splitter6->show();
    Panel9->resize(Panel9->width(), editorAreaHeight(frameGeometry().height()));
    layout->dock(Panel9, DockAlign::Fill);
    Panel9->show();
    Panel1->hide();
    Panel11->hide();
    RichEdit1->viewport()->update();
    if (!editingMode())
        CheckBox1->setChecked(false);
}

void TForm5::N40Click()
{
    undockViewParts();
    DockLayout *layout = dockLayoutOf(Panel8);
    Panel9->resize(Panel9->width(), editorAreaHeight(frameGeometry().height()));
    layout->dock(Panel9, DockAlign::Bottom);
    Panel9->show();
    layout->dock(Panel12, DockAlign::Bottom);
    Panel12->show();
    // The drag bar goes directly above the editor area.
    layout->dock(Splitter6, DockAlign::Bottom);
    layout->placeAfter(Splitter6, Panel9);
    Splitter6->show();
    layout->dock(Panel1, DockAlign::Fill);
    Panel1->show();
    layout->dock(Panel11, DockAlign::Top);
    Panel11->show();
    if (!editingMode())
        CheckBox1->setChecked(false);
    // The message pane takes back its designed height, whatever its splitter was dragged to.
    RichEdit2->resize(RichEdit2->width(), MessagePaneHeight);
    dockLayoutOf(Panel9)->invalidate();
    RichEdit1->viewport()->update();
}
