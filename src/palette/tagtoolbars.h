#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QToolButton;
class QWidget;

// The 99 tag buttons in their seven rows. Creates the buttons inside the row panels it is given, keeps their
// widths in step with the main window's width and reports clicks and mouse movement by caption: a button
// holds nothing but its caption, read from the button when the event happens.
class TagToolbars : public QObject
{
    Q_OBJECT

public:
    // `rows` are the seven row panels from top to bottom (Panel3, Panel4, Panel5, Panel6, Panel7, Panel13,
    // Panel14 of the main window).
    explicit TagToolbars(const QList<QWidget *> &rows, QObject *parent = nullptr);

    // Sets every button that does not fill its row to its share of the main window's outer width, hidden rows
    // included, so that a row shown later is already laid out.
    void layoutWidths(int windowOuterWidth);

    // All buttons, row by row, left to right.
    const QList<QToolButton *> &buttons() const { return m_buttons; }
    // The button of this object name ("SpeedButton104"), or nullptr.
    QToolButton *button(const QString &objectName) const;

Q_SIGNALS:
    void tagClicked(const QString &caption);
    // The mouse moved over a button (sent for every movement).
    void tagHovered(const QString &caption);
    void tagLeft(const QString &caption);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QToolButton *createButton(QWidget *row, const QString &objectName, const QString &caption);

    QList<QToolButton *> m_buttons;
};
