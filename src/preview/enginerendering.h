#pragma once

// How the web views draw where there is no graphics card (a virtual screen, a machine without one). OpenGL is
// then a software rasterizer: setting it up costs most of the application's start, and its compiled shaders
// and buffers tens of megabytes, while the engine composes its pages in software anyway. There the web views
// draw with Qt Quick's software renderer instead. A renderer chosen by the user (QT_QUICK_BACKEND,
// QSG_RHI_BACKEND, QT_XCB_GL_INTEGRATION) is kept.

// Before the application exists: without any graphics card device, OpenGL is not set up at all.
void drawInSoftwareWithoutGraphicsCard();
// Once the application exists and before the first web view: when the OpenGL found is a software rasterizer
// all the same, the web views draw in software.
void drawInSoftwareOnSoftwareOpenGl();
