#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <functional>

// Which renderer draws the Qt Quick scene. A GPU draws it through OpenGL;
// without one, OpenGL runs on a software rasteriser (llvmpipe), which
// costs more time and memory than Qt Quick's own software renderer and
// draws the same pictures.
enum class Renderer {
    Software,   // Qt Quick's software renderer
    OpenGL,     // the scene graph on OpenGL
    QtDefault,  // the user chose through Qt's own variables; left alone
};

// What the user asked for: "software", "opengl", "auto" (the same as
// nothing) or nothing, and where, for the log.
struct RendererRequest {
    QString name;
    QString origin;  // "--renderer" or "Q4CONFIG_RENDERER"

    // Q4CONFIG_RENDERER, as it is written.
    static RendererRequest fromEnvironment(const QProcessEnvironment& environment);
    // Whether a name is one of the three, in any case and spacing.
    static bool isKnown(const QString& name);
};

// What the choice is made from.
struct RendererFacts {
    RendererRequest request;
    bool isQtBackendSet = false;  // QT_QUICK_BACKEND or QSG_RHI_BACKEND is set
    QString platform;             // the Qt platform plugin: "xcb", "wayland", "offscreen"...
    bool hasRenderNode = false;   // a GPU render node (/dev/dri/renderD*) this user can open
};

struct RendererChoice {
    Renderer renderer;
    QString reason;
};

// Decides from the facts; glRenderer is asked only when they leave the
// choice open, and gives the GL_RENDERER text of a probe context (empty
// when no context could be made).
RendererChoice decideRenderer(const RendererFacts& facts,
                              const std::function<QString()>& glRenderer);

// Whether a GL_RENDERER text names a rasteriser that runs on the CPU.
bool isSoftwareRasterizer(const QString& glRenderer);

// Gathers the facts of this process and machine, decides, and tells Qt
// Quick. Call once the application object exists and before any Qt Quick
// window or widget is made. The reason goes to the log category "q4.app"
// (info); a request for none of the three is warned about and decided as
// "auto".
//
// Threads: the GUI thread.
RendererChoice chooseRenderer(const RendererRequest& request);
