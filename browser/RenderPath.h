#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace korvel {

// How pages reach the screen: composited by the GPU through OpenGL, or drawn in software all the way
// (the engine's software compositor and Qt Quick's software scene graph, never an emulated OpenGL).
enum class RenderPath { Gpu, Software };

// What the administrator asked for with KORVEL_RENDER.
enum class RenderRequest { Auto, Gpu, Software };

// The facts about the device that the choice rests on.
struct RenderFacts {
    QString platform;          // the Qt platform plug-in: "xcb", "wayland", "offscreen"...
    bool renderNode = false;   // a GPU device node exists (/dev/dri/renderD*, /dev/nvidia0)
    QString glRenderer;        // GL_RENDERER of a probe context; empty when none could be made
};

struct RenderChoice {
    RenderPath path = RenderPath::Software;
    QString renderer;  // the OpenGL renderer that composites, for the GPU path
};

class RenderPathRule {
public:
    // "auto", "gpu", "software" in any case, or an empty text (auto). Anything else has no answer.
    static std::optional<RenderRequest> parseRequest(const QString& text);
    // Renderers that emulate OpenGL on the processor (Mesa's llvmpipe, softpipe and swrast, VMware's
    // SVGA3D, SwiftShader) or that could not be named.
    static bool isSoftwareRenderer(const QString& renderer);
    // Whether a probe context is worth making: never on platforms that only draw into memory, nor
    // without a GPU device node unless the administrator insists on the GPU.
    static bool needsProbe(RenderRequest request, const QString& platform, bool renderNode);
    // The path for the device. An explicit request wins; asking for the GPU where no OpenGL context
    // can be made at all still falls back to software, as nothing could be drawn otherwise.
    static RenderChoice choose(RenderRequest request, const RenderFacts& facts);
    // The line the log keeps: "Render path: software" or "Render path: GPU (<renderer>)".
    static QString logLine(const RenderChoice& choice);
    // Engine switches that go with the path.
    static QStringList engineFlags(RenderPath path);
};

}  // namespace korvel
