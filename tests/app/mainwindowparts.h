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
    // The attribute bar is rebuilt on every tag click, and run-time names compare without regard to case:
    // look it up each time, by name in any case.
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
    QWidget *Panel8 = get<QWidget>("Panel8");
    QWidget *Panel11 = get<QWidget>("Panel11");
    QToolButton *SpeedButton1 = get<QToolButton>("SpeedButton1");
    QToolButton *SpeedButton2 = get<QToolButton>("SpeedButton2");
    QToolButton *SpeedButton3 = get<QToolButton>("SpeedButton3");
    QToolButton *SpeedButton4 = get<QToolButton>("SpeedButton4");
    QToolButton *SpeedButton5 = get<QToolButton>("SpeedButton5");
    QLineEdit *Edit1 = get<QLineEdit>("Edit1");
    QWidget *Panel1 = get<QWidget>("Panel1");
    PreviewPane *webbrowser1 = get<PreviewPane>("webbrowser1");
    QWidget *Panel12 = get<QWidget>("Panel12");
    StatusPanels *StatusBar1 = get<StatusPanels>("StatusBar1");
    QProgressBar *ProgressBar1 = get<QProgressBar>("ProgressBar1");
    QLabel *Label1 = get<QLabel>("Label1");
    DockSplitter *Splitter6 = get<DockSplitter>("Splitter6");
    ClickableImage *Image1 = get<ClickableImage>("Image1");
    ClickableImage *Image2 = get<ClickableImage>("Image2");
    ClickableImage *Image3 = get<ClickableImage>("Image3");
    QWidget *Panel9 = get<QWidget>("Panel9");
    QWidget *Panel2 = get<QWidget>("Panel2");
    CodePane *RichEdit1 = get<CodePane>("RichEdit1");
    DockSplitter *Splitter1 = get<DockSplitter>("Splitter1");
    CodePane *RichEdit2 = get<CodePane>("RichEdit2");
    QWidget *Panel10 = get<QWidget>("Panel10");
    StatusPanels *StatusBar2 = get<StatusPanels>("StatusBar2");
    QCheckBox *CheckBox1 = get<QCheckBox>("CheckBox1");
    QPlainTextEdit *Memo1 = get<QPlainTextEdit>("Memo1");
    QMenu *PopupMenu1 = get<QMenu>("PopupMenu1");
    std::array<QWidget *, 7> toolbarRows{};
    std::array<QAction *, 8> toolboxItems{};
};
