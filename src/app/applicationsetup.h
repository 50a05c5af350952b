#pragma once

class QApplication;

// The program's application set-up: its name, its look and its fonts. `main` and every widget test call it
// before any window exists, so that what the tests check is what the pupil sees.
void setUpApplication(QApplication &app);
