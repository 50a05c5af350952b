#pragma once

#include <QString>

// The script that tells the preview when the pupil activates a link or a form in a page. It runs in a world
// of its own beside every frame's scripts, which can neither see nor change it, and writes the token to the
// console (where the program reads it) on every real click of a link, a button or a submit control, and on
// Enter in a form's field, which submits the form. A click on an empty area, on a scroll bar, on text or a
// picture, keys that scroll, and anything a page's script makes up itself (its events are not trusted) say
// nothing. The token is a secret of the program's, so a page cannot write the same words itself.
QString pupilActivationScript(const QString &token);
