#pragma once

// Prepares the process environment for a test run before any QApplication exists:
// offscreen platform unless a display is asked for, Chromium without its sandbox
// (needed when the tests run as root), and a data folder of the test's own (XDG_DATA_HOME), unless
// VELMARK_TEST_KEEP_DATA_HOME asks to keep the one given.
void prepareTestEnvironment();
