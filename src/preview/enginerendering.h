#pragma once

// Where the only OpenGL is a software rasterizer (no graphics card, a virtual screen), lets the web views
// draw with Qt Quick's software renderer: the engine then composes its pages in software, as it would anyway,
// but without an emulated OpenGL pipeline whose compiled shaders and buffers cost tens of megabytes. Call
// once the application exists and before the first web view is created; a renderer chosen by the user
// (QT_QUICK_BACKEND) is kept.
void preferSoftwareDrawingWithoutGraphicsCard();
