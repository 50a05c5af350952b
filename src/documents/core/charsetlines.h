#pragma once

#include <QString>

// The character-set declarations that the "Κωδικοποίηση" menu inserts at the caret.

// "Ελληνική": ISO-8859-7, the same line the simple page template carries.
QString greekDeclaration();
// "Λατινική": ISO-8859-1.
QString latinDeclaration();
// "Unicode": UTF-8.
QString unicodeDeclaration();
