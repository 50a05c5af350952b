#pragma once

class QApplication;

// Applies the program's look "Cyan Dusk" (a cool dusk palette on the Fusion style). The look is a palette and
// no style sheet: an application style sheet would stop the fonts that windows give their controls from
// reaching the controls inside them. Returns false, after
// telling the user in a dialog, when the look cannot be applied; the program then goes on with the default
// look.
bool applyCyanDusk(QApplication &app);
