#pragma once

class QWebEngineProfile;

// The web engine speaks Greek, as the rest of the program does: its own pages (a site that cannot be reached,
// a certificate problem) and the texts it draws in pages (form controls, the validation bubbles) come from
// its Greek language pack. Call before the first web view exists.
void setGreekEngineLanguage();

// Pages are asked for in Greek first (the Accept-Language header and navigator.languages).
void preferGreekPages(QWebEngineProfile *profile);
