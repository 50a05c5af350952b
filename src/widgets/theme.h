#pragma once

class QApplication;

// Applies the program's look "Cyan Dusk" (a cool dusk palette on the Fusion style). Returns false, after
// telling the user in a dialog, when the look cannot be applied; the program then goes on with the default
// look.
bool applyCyanDusk(QApplication &app);
