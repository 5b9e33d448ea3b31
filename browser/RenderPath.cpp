#include "browser/RenderPath.h"

namespace korvel {

namespace {

// Platforms that draw into memory or straight to a frame buffer: there is nothing for OpenGL to
// composite into.
bool memoryOnlyPlatform(const QString& platform)
{
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")
           || platform == QLatin1String("vnc") || platform == QLatin1String("linuxfb");
}

}  // namespace

std::optional<RenderRequest> RenderPathRule::parseRequest(const QString& text)
{
    const QString value = text.trimmed().toLower();
    if (value.isEmpty() || value == QLatin1String("auto"))
        return RenderRequest::Auto;
    if (value == QLatin1String("gpu"))
        return RenderRequest::Gpu;
    if (value == QLatin1String("software"))
        return RenderRequest::Software;
    return std::nullopt;
}

bool RenderPathRule::isSoftwareRenderer(const QString& renderer)
{
    if (renderer.trimmed().isEmpty())
        return true;
    static const char* const emulated[] = {"llvmpipe", "softpipe", "swrast", "svga3d", "swiftshader", "software rasterizer"};
    const QString name = renderer.toLower();
    for (const char* e : emulated) {
        if (name.contains(QLatin1String(e)))
            return true;
    }
    return false;
}

bool RenderPathRule::needsProbe(RenderRequest request, const QString& platform, bool renderNode)
{
    switch (request) {
    case RenderRequest::Software:
        return false;
    case RenderRequest::Gpu:
        return true;
    case RenderRequest::Auto:
        return renderNode && !memoryOnlyPlatform(platform);
    }
    return false;
}

RenderChoice RenderPathRule::choose(RenderRequest request, const RenderFacts& facts)
{
    const bool contextExists = !facts.glRenderer.trimmed().isEmpty();
    switch (request) {
    case RenderRequest::Software:
        return {RenderPath::Software, {}};
    case RenderRequest::Gpu:
        if (contextExists)
            return {RenderPath::Gpu, facts.glRenderer};
        return {RenderPath::Software, {}};
    case RenderRequest::Auto:
        if (facts.renderNode && !memoryOnlyPlatform(facts.platform) && !isSoftwareRenderer(facts.glRenderer))
            return {RenderPath::Gpu, facts.glRenderer};
        return {RenderPath::Software, {}};
    }
    return {RenderPath::Software, {}};
}

QString RenderPathRule::logLine(const RenderChoice& choice)
{
    switch (choice.path) {
    case RenderPath::Gpu:
        return QStringLiteral("Render path: GPU (%1)").arg(choice.renderer);
    case RenderPath::Software:
        return QStringLiteral("Render path: software");
    }
    return {};
}

QStringList RenderPathRule::engineFlags(RenderPath path)
{
    switch (path) {
    case RenderPath::Gpu:
        return {};
    case RenderPath::Software:
        // The engine would turn its GPU off by itself under the software scene graph; saying so
        // keeps it from starting an emulated one for rasterising or WebGL.
        return {QStringLiteral("--disable-gpu")};
    }
    return {};
}

}  // namespace korvel
