#include "preview/enginerendering.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>

namespace {

// The name of the OpenGL renderer a new context gets; empty when there is no OpenGL.
QByteArray openGlRenderer()
{
    QOpenGLContext context;
    if (!context.create())
        return {};
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!surface.isValid() || !context.makeCurrent(&surface))
        return {};
    const auto *name = reinterpret_cast<const char *>(context.functions()->glGetString(GL_RENDERER));
    const QByteArray renderer = name ? QByteArray(name) : QByteArray();
    context.doneCurrent();
    return renderer;
}

bool userChoseRenderer()
{
    return qEnvironmentVariableIsSet("QT_QUICK_BACKEND") || qEnvironmentVariableIsSet("QSG_RHI_BACKEND") ||
           qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION");
}

// A graphics card shows as a device of the kernel's rendering manager, or of NVIDIA's own driver.
bool graphicsCardPresent()
{
    if (QFile::exists(QStringLiteral("/dev/nvidiactl")))
        return true;
    return !QDir(QStringLiteral("/dev/dri"))
                .entryList({QStringLiteral("card*"), QStringLiteral("renderD*")}, QDir::System)
                .isEmpty();
}

bool isSoftwareRasterizer(const QByteArray &renderer)
{
    const QByteArray name = renderer.toLower();
    return name.contains("llvmpipe") || name.contains("softpipe") || name.contains("swiftshader") ||
           name.contains("software rasterizer");
}

} // namespace

void drawInSoftwareWithoutGraphicsCard()
{
    if (userChoseRenderer() || graphicsCardPresent())
        return;
    qputenv("QT_QUICK_BACKEND", QByteArray("software"));
    qputenv("QT_XCB_GL_INTEGRATION", QByteArray("none"));
}

void drawInSoftwareOnSoftwareOpenGl()
{
    if (userChoseRenderer())
        return;
    if (isSoftwareRasterizer(openGlRenderer()))
        qputenv("QT_QUICK_BACKEND", QByteArray("software"));
}
