#pragma once

#include "app/applicationsetup.h"
#include "preview/previewpane.h"
#include "testenvironment.h"

#include <QApplication>
#include <QTest>

// The main function of a widget test: prepares the environment and the preview's URL scheme before the
// application exists, then runs the test object.
#define VELMARK_WIDGET_TEST_MAIN(TestObject)                                                                 \
    int main(int argc, char *argv[])                                                                         \
    {                                                                                                        \
        prepareTestEnvironment();                                                                            \
        registerPreviewScheme();                                                                             \
        QApplication app(argc, argv);                                                                        \
        setUpApplication(app);                                                                               \
        TestObject test;                                                                                     \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
