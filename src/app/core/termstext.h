#pragma once

#include <QString>
#include <QVector>

// One line of the terms of use on the start-up window, with the look it is shown in.
struct TermsLine
{
    QString text;
    quint32 colour; // 0x00BBGGRR
    bool bold;
    bool underline;
    int pointSize;
};

// The eleven lines of the terms of use, in order.
QVector<TermsLine> termsText();
