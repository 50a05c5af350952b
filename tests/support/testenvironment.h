#pragma once

// Prepares the process environment for a test run before any QApplication exists:
// offscreen platform unless a display is asked for, and Chromium without its sandbox
// (needed when the tests run as root).
void prepareTestEnvironment();
