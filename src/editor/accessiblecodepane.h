#pragma once

#include <QAccessibleWidget>

class CodePane;
class QTextBlock;

// The code pane (and the message pane) as a screen reader or a magnifier sees it: its text, caret and
// selection, edits through the pane's own history, and the place of every character on the screen as the
// pane shows it now, scrolled or not. Qt's own interface for a plain text pane places characters as if the
// pane were never scrolled.
class AccessibleCodePane : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface
{
public:
    explicit AccessibleCodePane(CodePane *pane);

    // Makes screen readers get this interface for every code pane.
    static void install();

    QAccessible::State state() const override;
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text kind, const QString &text) override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString &text) override;
    void replaceText(int startOffset, int endOffset, const QString &text) override;

private:
    CodePane *pane() const;
    // Replaces the characters between two offsets with a text, as one step of the pane's history.
    void replaceRange(int startOffset, int endOffset, const QString &text);
};
