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
// render the preview. Each entry point is one variant of it. The whole pass is one edit of the code pane (one
// change notification); the painting itself is computed by the refresh engine. In the pupil's history (undo),
// a command with text of its own is one step, a refresh without one joins the step before it, and loaded text
// starts the history afresh.
class RefreshCycle : public QObject
{
    Q_OBJECT

public:
    explicit RefreshCycle(const RefreshControls &controls, QObject *parent = nullptr);

    // `kata`: the standard cycle, inserting `met` at the caret (replacing the selection).
    void kata(const QString &met);
    // `RichEdit1DblClick` and the Enter key: the cycle without insertion.
    void refreshWithoutInsertion();
    // `N23Click`: paste the clipboard, render it, then the cycle without insertion.
    void pasteAndRefresh();
    // `CheckBox1Click`'s cycle (the caller sets the caption first): works in every mode, no insertion, paints
    // also tag texts holding "<>", no preview; the check runs last and leaves the caret after its last
    // highlight.
    void switchRefresh();
    // The start-up pass: loads the lines, paints every tag text, no re-indentation, no check, caret to the
    // start.
    void startupPass(const QStringList &lines);
    // After a file was loaded into the code pane: the cycle without insertion, the check run with the caret
    // at the start of the text; the loaded text is where the pupil's history starts.
    void openedDocumentRefresh();
    // The character-set commands: the mode is checked first, `met` (the declaration line) is inserted, and
    // the check runs with the caret at the start of the text.
    void declarationRefresh(const QString &met);
    // The templates, in every mode: load the lines with the caret at the start, no progress. The simple page
    // re-indents by the template rule and is not checked; the assignments are not re-indented and are
    // checked.
    void templateRefresh(const QStringList &lines, bool simplePage);

private:
    enum class Prepare
    {
        Nothing,
        Insert,
        Paste,
        LoadLines
    };
    struct Variant
    {
        bool checkMode = true;        // stop outside editing mode
        bool modeBeforeClear = false; // the mode check comes before clearing the message pane
        Prepare prepare = Prepare::Nothing;
        bool progress = true;
        bool render = true;
        bool caretToStartBeforeCheck = false;
        bool checkAfterCaret = false;
        bool paintAlways = false;  // paint tags whatever the switch says
        bool freshHistory = false; // the document was just loaded: the pupil's history starts afresh
        RefreshOptions engine;
    };
    void run(const Variant &variant, const QString &met = QString(),
             const QStringList &lines = QStringList());
    // Runs the engine over the code pane's lines and applies its result; returns the result.
    RefreshResult paintDocument(const RefreshOptions &options);
    // Writes the balance check's warnings into the message pane, showing it only when there is something to
    // say.
    void showWarnings(const BalanceReport &report);
    bool switchTicked() const;

    RefreshControls m_c;
};
