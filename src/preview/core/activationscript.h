#pragma once

#include <QString>

// The script that tells the preview when the pupil activates a link or a form in a page. It runs in a world
// of its own beside every frame's scripts, which can neither see nor change it, and writes the token to the
// console (where the program reads it) when the pupil activates a link, a button or a submit control they can
// see, by pressing on it or by Enter or Space once they gave it the focus themselves, and on Enter in a
// visible form field the pupil gave the focus, which submits the form. A click on an empty area, on a scroll
// bar, on text or a picture, keys that scroll, anything a page's script makes up itself (its events are not
// trusted), a click a label forwards to its control, and a key that activates an element the page focused by
// itself or the pupil cannot see say nothing. The token is a secret of the program's, so a page cannot write
// the same words itself.
QString pupilActivationScript(const QString &token);
