#include "app/renderer_choice.h"

#include <unistd.h>

#include <QDir>
#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QQuickWindow>
#include <QRegularExpression>

#include "common/logging.h"

namespace {

// Platforms that show nothing on a screen of their own, or only through a
// frame buffer: nothing there for a GPU to speed up.
bool isPlatformWithoutGpu(const QString& platform) {
    static const QStringList platforms{"offscreen", "minimal", "vnc", "linuxfb"};
    return platforms.contains(platform);
}

bool hasUsableRenderNode() {
    const QDir nodes("/dev/dri");
    for (const QString& name : nodes.entryList({"renderD*"}, QDir::System)) {
        const QByteArray path = nodes.absoluteFilePath(name).toLocal8Bit();
        if (access(path.constData(), R_OK | W_OK) == 0) return true;
    }
    return false;
}

// The GL_RENDERER of a context made for the purpose; empty without one.
QString probeGlRenderer() {
    QOpenGLContext context;
    if (!context.create()) return QString();
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!context.makeCurrent(&surface)) return QString();
    const auto* text = reinterpret_cast<const char*>(context.functions()->glGetString(GL_RENDERER));
    const QString renderer = text ? QString::fromLatin1(text) : QString();
    context.doneCurrent();
    return renderer;
}

}  // namespace

bool isSoftwareRasterizer(const QString& glRenderer) {
    // Mesa's llvmpipe, softpipe and swrast, and the fallback of Windows'
    // GL layer under WSL. GPU drivers built on LLVM name "LLVM" too, so
    // the rasterisers are matched by their own names.
    static const QRegularExpression names(
        "llvmpipe|softpipe|swrast|software rasterizer|basic render driver",
        QRegularExpression::CaseInsensitiveOption);
    return names.match(glRenderer).hasMatch();
}

RendererRequest RendererRequest::fromEnvironment(const QProcessEnvironment& environment) {
    const QString name = environment.value(QStringLiteral("Q4CONFIG_RENDERER"));
    if (name.isEmpty()) return {};
    return {name, QStringLiteral("Q4CONFIG_RENDERER")};
}

bool RendererRequest::isKnown(const QString& name) {
    static const QStringList names{"software", "opengl", "auto"};
    return names.contains(name.trimmed().toLower());
}

RendererChoice decideRenderer(const RendererFacts& facts,
                              const std::function<QString()>& glRenderer) {
    const QString requested = facts.request.name.trimmed().toLower();
    if (requested == "software")
        return {Renderer::Software, "requested by " + facts.request.origin};
    if (requested == "opengl") return {Renderer::OpenGL, "requested by " + facts.request.origin};
    if (facts.isQtBackendSet) return {Renderer::QtDefault, "chosen through Qt's own variables"};
    if (isPlatformWithoutGpu(facts.platform))
        return {Renderer::Software, "the " + facts.platform + " platform has no GPU"};
    if (!facts.hasRenderNode) return {Renderer::Software, "no GPU render node"};
    const QString renderer = glRenderer ? glRenderer() : QString();
    if (renderer.isEmpty()) return {Renderer::Software, "no OpenGL context"};
    if (isSoftwareRasterizer(renderer))
        return {Renderer::Software, "OpenGL runs on a software rasteriser: " + renderer};
    return {Renderer::OpenGL, "OpenGL on " + renderer};
}

RendererChoice chooseRenderer(const RendererRequest& request) {
    RendererFacts facts;
    facts.request = request;
    facts.isQtBackendSet = !qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND") ||
                           !qEnvironmentVariableIsEmpty("QSG_RHI_BACKEND");
    facts.platform = QGuiApplication::platformName();
    facts.hasRenderNode = hasUsableRenderNode();
    if (!request.name.isEmpty() && !RendererRequest::isKnown(request.name))
        qCWarning(lcApp).noquote() << request.origin << "is software, opengl or auto, not"
                                   << request.name << "- deciding as auto";

    const RendererChoice choice = decideRenderer(facts, probeGlRenderer);
    if (choice.renderer == Renderer::Software)
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    else if (choice.renderer == Renderer::OpenGL)
        QQuickWindow::setGraphicsApi(QSGRendererInterface::OpenGL);
    qCInfo(lcApp).noquote() << "Qt Quick renders"
                            << (choice.renderer == Renderer::Software ? "in software:"
                                : choice.renderer == Renderer::OpenGL ? "with OpenGL:"
                                                                      : "as Qt chooses:")
                            << choice.reason;
    return choice;
}
