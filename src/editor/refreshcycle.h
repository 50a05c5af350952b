#pragma once

#include "editor/refreshengine.h"

#include <QObject>
#include <functional>

class CodePane;
class QCheckBox;
class QProgressBar;
class QWidget;

// The controls of the main window that the refresh cycle reads and writes.
struct RefreshControls
{
    CodePane *code = nullptr;                          // `RichEdit1`
    CodePane *messages = nullptr;                      // `RichEdit2`
    QWidget *messageSplitter = nullptr;                // `Splitter1`
    QProgressBar *progress = nullptr;                  // `ProgressBar1`
    QCheckBox *graphicalSwitch = nullptr;              // `CheckBox1`
    std::function<bool()> editingMode;                 // the address bar reads exactly "about:blank"
    std::function<void(int)> showTagCount;             // panel 2 of `StatusBar2`
    std::function<void(const QString &)> render;       // `WBLoadHTML` with the code pane's whole text
    std::function<void(const QString &)> renderStream; // `LoadStream` with the code pane's whole text
};

// The refresh cycle that every command changing the document ends with: insert the command's text, reset the
// looks, re-indent, count and paint the tags, check their balance, put the caret back, show the count and
// render the preview. The whole pass is one edit of the code pane (one undo step, one change notification);
// the painting itself is computed by the refresh engine.
class RefreshCycle : public QObject
{
    Q_OBJECT

public:
    explicit RefreshCycle(const RefreshControls &controls, QObject *parent = nullptr);

    // `kata`: the standard cycle, inserting `met` at the caret (replacing the selection).
    void kata(const QString &met);
    // `RichEdit1DblClick`: the cycle without insertion.
    void refreshWithoutInsertion();
    // `N23Click`: paste the clipboard, render it, then the cycle without insertion.
    void pasteAndRefresh();
    // `CheckBox1Click`'s cycle (the caller sets the caption first): works in every mode, no insertion, paints
    // also tag texts holding "<>", no preview.
    void switchRefresh();
    // The start-up pass: loads the lines, paints every tag text, no re-indentation, no check, caret to the
    // start.
    void startupPass(const QStringList &lines);

    // Writes the balance check's warnings into the message pane, showing it only when there is something to
    // say.
    void showWarnings(const BalanceReport &report);

private:
    struct Variant
    {
        bool checkMode = true;
        bool insert = false;
        bool checkBeforeClear = false;
        bool progress = true;
        bool render = true;
        bool checkAfterCaret = false;
        RefreshOptions engine;
    };
    void run(const Variant &variant, const QString &met);
    // Runs the engine over the code pane's lines and applies its result in one edit; returns the report.
    RefreshResult paintDocument(const RefreshOptions &options);
    bool switchTicked() const;

    RefreshControls m_c;
};
