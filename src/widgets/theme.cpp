#include "widgets/theme.h"

#include <QApplication>
#include <QMessageBox>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

bool applyCyanDusk(QApplication &app)
{
    QStyle *style = QStyleFactory::create(QStringLiteral("Fusion"));
    if (!style) {
        QMessageBox::warning(nullptr, app.applicationName(),
                             QStringLiteral("Δεν ήταν δυνατή η εφαρμογή του θέματος εμφάνισης \"Cyan Dusk\". "
                                            "Το πρόγραμμα συνεχίζει με την προεπιλεγμένη εμφάνιση."));
        return false;
    }
    app.setStyle(style);
    QPalette dusk;
    dusk.setColor(QPalette::Window, QColor(214, 226, 234));
    dusk.setColor(QPalette::WindowText, QColor(20, 38, 52));
    dusk.setColor(QPalette::Base, QColor(255, 255, 255));
    dusk.setColor(QPalette::AlternateBase, QColor(228, 238, 244));
    dusk.setColor(QPalette::Text, QColor(0, 0, 0));
    dusk.setColor(QPalette::Button, QColor(196, 216, 228));
    dusk.setColor(QPalette::ButtonText, QColor(16, 40, 56));
    dusk.setColor(QPalette::Highlight, QColor(38, 120, 150));
    dusk.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    dusk.setColor(QPalette::ToolTipBase, QColor(255, 255, 215));
    dusk.setColor(QPalette::ToolTipText, QColor(0, 0, 0));
    dusk.setColor(QPalette::Link, QColor(0, 110, 140));
    dusk.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 136, 146));
    dusk.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(120, 136, 146));
    dusk.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 136, 146));
    app.setPalette(dusk);
    return true;
}
