#pragma once

#include "app/mainwindow.h"
#include "editor/codepane.h"
#include "preview/previewpane.h"
#include "widgets/clickableimage.h"
#include "widgets/docksplitter.h"
#include "widgets/statuspanels.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QToolButton>
#include <array>

// The main window's controls, found the way a screen reader or a test robot finds them: by their object
// names.
struct MainWindowParts
{
    explicit MainWindowParts(MainWindow *window) : w(window)
    {
        const char *rowNames[7] = {"Panel3", "Panel4", "Panel5", "Panel6", "Panel7", "Panel13", "Panel14"};
        for (size_t i = 0; i < toolbarRows.size(); ++i)
            toolbarRows[i] = get<QWidget>(rowNames[i]);
        const char *itemNames[8] = {"N9", "N10", "N11", "N12", "N13", "N14", "N20", "N25"};
        for (size_t i = 0; i < toolboxItems.size(); ++i)
            toolboxItems[i] = get<QAction>(itemNames[i]);
    }

    template <class T> T *get(const char *name) const { return w->findChild<T *>(QString::fromLatin1(name)); }
    // The attribute bar's strip is made again on every tag click, the first named "Panel15" and every later
    // one "panel15": look it up each time, by name in either case.
    QWidget *currentBar() const
    {
        const QList<QWidget *> widgets = w->findChildren<QWidget *>();
        for (QWidget *widget : widgets)
            if (widget->objectName().compare(QLatin1String("Panel15"), Qt::CaseInsensitive) == 0)
                return widget;
        return nullptr;
    }
    QAction *menuItem(const char *name) const { return get<QAction>(name); }

    MainWindow *w;
    QWidget *frame = get<QWidget>("Panel8");
    QWidget *addressRow = get<QWidget>("Panel11");
    QToolButton *homeButton = get<QToolButton>("SpeedButton1");
    QToolButton *backButton = get<QToolButton>("SpeedButton2");
    QToolButton *forwardButton = get<QToolButton>("SpeedButton3");
    QToolButton *reloadButton = get<QToolButton>("SpeedButton4");
    QToolButton *goButton = get<QToolButton>("SpeedButton5");
    QLineEdit *addressBar = get<QLineEdit>("Edit1");
    QWidget *previewPanel = get<QWidget>("Panel1");
    PreviewPane *preview = get<PreviewPane>("webbrowser1");
    QWidget *browserStrip = get<QWidget>("Panel12");
    StatusPanels *titleBar = get<StatusPanels>("StatusBar1");
    QProgressBar *progressBar = get<QProgressBar>("ProgressBar1");
    QLabel *progressLabel = get<QLabel>("Label1");
    DockSplitter *previewSplitter = get<DockSplitter>("Splitter6");
    ClickableImage *makerLogo = get<ClickableImage>("Image1");
    ClickableImage *onlineIndicator = get<ClickableImage>("Image2");
    ClickableImage *offlineIndicator = get<ClickableImage>("Image3");
    QWidget *editorArea = get<QWidget>("Panel9");
    QWidget *toolbarArea = get<QWidget>("Panel2");
    CodePane *codePane = get<CodePane>("RichEdit1");
    DockSplitter *messageSplitter = get<DockSplitter>("Splitter1");
    CodePane *messagePane = get<CodePane>("RichEdit2");
    QWidget *lowerStrip = get<QWidget>("Panel10");
    StatusPanels *documentStatus = get<StatusPanels>("StatusBar2");
    QCheckBox *graphicalSwitch = get<QCheckBox>("CheckBox1");
    QPlainTextEdit *mirrorPane = get<QPlainTextEdit>("Memo1");
    QMenu *codeMenu = get<QMenu>("PopupMenu1");
    std::array<QWidget *, 7> toolbarRows{};
    std::array<QAction *, 8> toolboxItems{};
};
