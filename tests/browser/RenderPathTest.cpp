#include "browser/RenderPath.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace korvel;

TEST(RenderPathRule, ChoosesTheGpuOnlyWhereOneComposites)
{
    const struct {
        const char* name;
        RenderRequest request;
        RenderFacts facts;
        RenderPath path;
    } cases[] = {
        {"Intel GPU under X", RenderRequest::Auto, {"xcb", true, "Mesa Intel(R) UHD Graphics 620 (KBL GT2)"}, RenderPath::Gpu},
        {"AMD GPU under Wayland", RenderRequest::Auto, {"wayland", true, "AMD Radeon RX 6600 (navi23, LLVM 15.0.6, DRM 3.49)"},
         RenderPath::Gpu},
        {"Raspberry Pi", RenderRequest::Auto, {"eglfs", true, "V3D 4.2"}, RenderPath::Gpu},
        {"llvmpipe", RenderRequest::Auto, {"xcb", true, "llvmpipe (LLVM 15.0.6, 256 bits)"}, RenderPath::Software},
        {"softpipe", RenderRequest::Auto, {"xcb", true, "softpipe"}, RenderPath::Software},
        {"VMware's emulated adapter", RenderRequest::Auto, {"xcb", true, "SVGA3D; build: RELEASE;  LLVM;"}, RenderPath::Software},
        {"classic swrast", RenderRequest::Auto, {"xcb", true, "Software Rasterizer"}, RenderPath::Software},
        {"no context could be made", RenderRequest::Auto, {"xcb", true, ""}, RenderPath::Software},
        {"no GPU device node: a GL name alone is not trusted", RenderRequest::Auto, {"xcb", false, "Mesa Intel(R) HD"},
         RenderPath::Software},
        {"drawing into memory", RenderRequest::Auto, {"offscreen", true, "Mesa Intel(R) HD"}, RenderPath::Software},
        {"administrator insists on software", RenderRequest::Software, {"xcb", true, "AMD Radeon RX 6600"}, RenderPath::Software},
        {"administrator insists on the GPU, even an emulated one", RenderRequest::Gpu, {"xcb", false, "llvmpipe (LLVM 15)"},
         RenderPath::Gpu},
        {"insisting on the GPU without any context draws nothing: software", RenderRequest::Gpu, {"xcb", true, ""},
         RenderPath::Software},
    };
    for (const auto& c : cases) {
        const RenderChoice choice = RenderPathRule::choose(c.request, c.facts);
        EXPECT_EQ(choice.path, c.path) << c.name;
        EXPECT_EQ(choice.renderer, c.path == RenderPath::Gpu ? c.facts.glRenderer : QString()) << c.name;
    }
}

TEST(RenderPathRule, ProbesOnlyWhereAGpuMayExist)
{
    EXPECT_TRUE(RenderPathRule::needsProbe(RenderRequest::Auto, QStringLiteral("xcb"), true));
    EXPECT_TRUE(RenderPathRule::needsProbe(RenderRequest::Auto, QStringLiteral("wayland"), true));
    EXPECT_FALSE(RenderPathRule::needsProbe(RenderRequest::Auto, QStringLiteral("xcb"), false));
    EXPECT_FALSE(RenderPathRule::needsProbe(RenderRequest::Auto, QStringLiteral("offscreen"), true));
    EXPECT_FALSE(RenderPathRule::needsProbe(RenderRequest::Software, QStringLiteral("xcb"), true));
    EXPECT_TRUE(RenderPathRule::needsProbe(RenderRequest::Gpu, QStringLiteral("xcb"), false));
}

TEST(RenderPathRule, ReadsTheAdministratorsRequest)
{
    EXPECT_EQ(RenderPathRule::parseRequest(QString()), RenderRequest::Auto);
    EXPECT_EQ(RenderPathRule::parseRequest(QStringLiteral("auto")), RenderRequest::Auto);
    EXPECT_EQ(RenderPathRule::parseRequest(QStringLiteral(" GPU ")), RenderRequest::Gpu);
    EXPECT_EQ(RenderPathRule::parseRequest(QStringLiteral("Software")), RenderRequest::Software);
    EXPECT_EQ(RenderPathRule::parseRequest(QStringLiteral("opengl")), std::nullopt);
}

TEST(RenderPathRule, LogsThePathAndTheRenderer)
{
    EXPECT_EQ(RenderPathRule::logLine({RenderPath::Software, {}}), QStringLiteral("Render path: software"));
    EXPECT_EQ(RenderPathRule::logLine({RenderPath::Gpu, QStringLiteral("V3D 4.2")}), QStringLiteral("Render path: GPU (V3D 4.2)"));
    // Without the GPU the engine must not start an emulated one of its own.
    EXPECT_TRUE(RenderPathRule::engineFlags(RenderPath::Software).contains(QStringLiteral("--disable-gpu")));
    EXPECT_TRUE(RenderPathRule::engineFlags(RenderPath::Gpu).isEmpty());
}
