// The main window's toolbox menu and the three views of the "Προτιμήσεις" menu.
#include "app/core/toolboxcaptions.h"
#include "app/core/windowsizing.h"
#include "app/mainwindow.h"
#include "editor/codepane.h"
#include "widgets/docklayout.h"
#include "widgets/docksplitter.h"

#include <QAction>
#include <QCheckBox>

void MainWindow::toggleToolbarRow(int row)
{
    QWidget *panel = m_toolbarRows[size_t(row)];
    const int rowHeight = panel->height();
    if (m_toolboxItems[size_t(row)]->text() == toolboxRowCaption(row, true)) {
        panel->hide();
        m_toolbarArea->resize(m_toolbarArea->width(), m_toolbarArea->height() - rowHeight);
    } else {
        panel->show();
        m_toolbarArea->resize(m_toolbarArea->width(), m_toolbarArea->height() + rowHeight);
    }
    applyToolboxCaptions(false);
}

void MainWindow::toggleAllToolbarRows()
{
    const bool hideAll = m_toolboxItems[7]->text() == toolboxHideAllCaption();
    int sum = 0;
    for (QWidget *row : m_toolbarRows) {
        row->setVisible(!hideAll);
        sum += row->height();
    }
    m_toolbarArea->resize(m_toolbarArea->width(), hideAll ? 0 : sum);
    applyToolboxCaptions(true);
}

void MainWindow::applyToolboxCaptions(bool afterAllClick)
{
    std::array<bool, 7> visible{};
    for (size_t i = 0; i < visible.size(); ++i)
        visible[i] = !m_toolbarRows[i]->isHidden();
    const QString currentAll = m_toolboxItems[7]->isSeparator() ? QString() : m_toolboxItems[7]->text();
    const ToolboxCaptions captions = applyToolboxCaptionRule(visible, currentAll, afterAllClick);
    for (size_t i = 0; i < 7; ++i) {
        m_toolboxItems[i]->setSeparator(false);
        m_toolboxItems[i]->setText(captions.rows[i]);
    }
    m_toolboxItems[7]->setSeparator(false);
    m_toolboxItems[7]->setText(captions.all);
}

void MainWindow::undockViewParts()
{
    DockLayout *layout = dockLayoutOf(m_frame);
    for (QWidget *w : {m_previewPanel, m_addressRow, m_browserStrip, m_editorArea,
                       static_cast<QWidget *>(m_previewSplitter)})
        layout->dock(w, DockAlign::None);
}

void MainWindow::showBrowserOnly()
{
    undockViewParts();
    DockLayout *layout = dockLayoutOf(m_frame);
    m_editorArea->resize(m_editorArea->width(), editorAreaHeight(frameGeometry().height()));
    m_editorArea->hide();
    m_previewSplitter->hide();
    layout->dock(m_browserStrip, DockAlign::Bottom);
    m_browserStrip->show();
    layout->dock(m_previewPanel, DockAlign::Fill);
    m_previewPanel->show();
    layout->dock(m_addressRow, DockAlign::Top);
    m_addressRow->show();
}

void MainWindow::showEditorOnly()
{
    undockViewParts();
    DockLayout *layout = dockLayoutOf(m_frame);
    layout->dock(m_browserStrip, DockAlign::Top);
    m_browserStrip->show();
    layout->dock(m_previewSplitter, DockAlign::Bottom);
    m_previewSplitter->show();
    m_editorArea->resize(m_editorArea->width(), editorAreaHeight(frameGeometry().height()));
    layout->dock(m_editorArea, DockAlign::Fill);
    m_editorArea->show();
    m_previewPanel->hide();
    m_addressRow->hide();
    m_codePane->viewport()->update();
    if (!editingMode())
        m_graphicalSwitch->setChecked(false);
}

void MainWindow::showCodeOnly()
{
    DockLayout *layout = dockLayoutOf(m_frame);
    layout->dock(m_editorArea, DockAlign::Fill);
    layout->dock(m_browserStrip, DockAlign::Top);
    m_editorArea->show();
    m_browserStrip->show();
    m_previewPanel->hide();
    m_addressRow->hide();
}

void MainWindow::restoreInitialLayout()
{
    undockViewParts();
    DockLayout *layout = dockLayoutOf(m_frame);
    m_editorArea->resize(m_editorArea->width(), editorAreaHeight(frameGeometry().height()));
    layout->dock(m_editorArea, DockAlign::Bottom);
    m_editorArea->show();
    layout->dock(m_browserStrip, DockAlign::Bottom);
    m_browserStrip->show();
    // The drag bar goes directly above the editor area.
    layout->dock(m_previewSplitter, DockAlign::Bottom);
    layout->placeAfter(m_previewSplitter, m_editorArea);
    m_previewSplitter->show();
    layout->dock(m_previewPanel, DockAlign::Fill);
    m_previewPanel->show();
    layout->dock(m_addressRow, DockAlign::Top);
    m_addressRow->show();
    if (!editingMode())
        m_graphicalSwitch->setChecked(false);
    // The message pane takes back its usual height, whatever its splitter was dragged to.
    m_messagePane->resize(m_messagePane->width(), MessagePaneHeight);
    dockLayoutOf(m_editorArea)->invalidate();
    m_codePane->viewport()->update();
}
