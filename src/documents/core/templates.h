#pragma once

#include <QStringList>

// The three documents of the "Πρότυπα" menu, line by line, leading and trailing spaces included.

// "Απλό HTML Έγγραφο": a minimal page to start from (11 lines).
QStringList simplePageTemplate();
// "Εργασία_1 -Μυθολογία": a page skeleton whose tags the pupil fills in (22 lines).
QStringList mythologyAssignment();
// "Εργασία_2 - Η Αλγοριθμική": a longer skeleton with a table (51 lines).
QStringList algorithmicsAssignment();
