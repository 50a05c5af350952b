#include "palettehost.h"

#include "palette/attributebar.h"
#include "palette/tagtip.h"
#include "palette/tagtoolbars.h"
#include "widgets/docklayout.h"

#include <QPlainTextEdit>
#include <QStatusBar>

namespace {

QWidget *makePanel(const QString &name, QWidget *parent, int height)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(name);
    panel->resize(panel->width(), height);
    return panel;
}

} // namespace

PaletteHost::PaletteHost()
    : editorArea(makePanel(QStringLiteral("Panel9"), this, 400)),
      toolbarArea(makePanel(QStringLiteral("Panel2"), editorArea, 154)),
      codePane(new QPlainTextEdit(editorArea)), messagePane(new QPlainTextEdit(editorArea)),
      statusBar(new QStatusBar(this)), valuePopup(new QWidget), tip(new TagTip)
{
    setObjectName(QStringLiteral("Form5"));
    for (const char *name : {"Panel3", "Panel4", "Panel5", "Panel6", "Panel7", "Panel13", "Panel14"}) {
        rows.append(makePanel(QString::fromLatin1(name), toolbarArea, 22));
        dockInto(toolbarArea, rows.last(), DockAlign::Top);
    }
    rows[5]->hide();
    rows[6]->hide();
    toolbarArea->resize(toolbarArea->width(), 5 * 22);
    toolbars = new TagToolbars(rows, this);

    codePane->setObjectName(QStringLiteral("RichEdit1"));
    messagePane->setObjectName(QStringLiteral("RichEdit2"));
    messagePane->resize(messagePane->width(), 35);
    statusBar->setObjectName(QStringLiteral("StatusBar1"));
    statusBar->resize(statusBar->width(), 19);

    dockInto(editorArea, toolbarArea, DockAlign::Top);
    dockInto(editorArea, messagePane, DockAlign::Bottom);
    bar = new AttributeBar(editorArea, &session, this);
    dockInto(editorArea, codePane, DockAlign::Fill);
    dockInto(this, statusBar, DockAlign::Bottom);
    dockInto(this, editorArea, DockAlign::Fill);

    QObject::connect(toolbars, &TagToolbars::tagClicked, this,
                     [this](const QString &c) { tagButtonClick(c); });
    QObject::connect(bar, &AttributeBar::insertText, this,
                     [this](const QString &text) { insertAndRefresh(text); });
    QObject::connect(toolbars, &TagToolbars::tagHovered, tip, &TagTip::showDescription);
    QObject::connect(toolbars, &TagToolbars::tagLeft, tip, &TagTip::hideDescription);
    tip->setStatusBar(statusBar);
    tip->setMainWindow(this);
    tip->setValuePopup(valuePopup);
}

PaletteHost::~PaletteHost()
{
    delete tip;
    delete valuePopup;
}

void PaletteHost::insertAndRefresh(const QString &text)
{
    messagePane->clear();
    if (session.isEditing())
        codePane->insertPlainText(text);
}

void PaletteHost::tagButtonClick(const QString &caption)
{
    bar->resetBar();
    insertAndRefresh(caption);
    bar->fillForTag(caption);
}
