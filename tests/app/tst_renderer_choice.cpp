// The renderer choice: software wherever OpenGL would run on the CPU or not
// at all, OpenGL on a GPU, the user's word over both, and no OpenGL probe
// when the cheaper facts already decide.

#include <QQuickWindow>
#include <QtTest>

#include "app/renderer_choice.h"
#include "guarded_test_case.h"

Q_DECLARE_METATYPE(Renderer)

class RendererChoiceTest : public GuardedTestCase {
    Q_OBJECT

private slots:
    // probe: the GL_RENDERER the probe context reports ("" for no context);
    // isProbed: whether the decision had to ask for it.
    void decision_data() {
        QTest::addColumn<QString>("requested");
        QTest::addColumn<bool>("isQtBackendSet");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("hasRenderNode");
        QTest::addColumn<QString>("probe");
        QTest::addColumn<Renderer>("expected");
        QTest::addColumn<bool>("isProbed");

        const QString intel = "Mesa Intel(R) UHD Graphics 620 (KBL GT2)";
        const QString llvmpipe = "llvmpipe (LLVM 15.0.6, 256 bits)";
        QTest::newRow("GPU") << "" << false << "xcb" << true << intel << Renderer::OpenGL << true;
        QTest::newRow("GPU driver on LLVM")
            << "" << false << "xcb" << true
            << "AMD Radeon RX 6600 (navy_flounder, LLVM 15.0.6, DRM 3.49, 6.1.0-13-amd64)"
            << Renderer::OpenGL << true;
        QTest::newRow("llvmpipe") << "" << false << "xcb" << true << llvmpipe << Renderer::Software
                                  << true;
        QTest::newRow("old Mesa software")
            << "" << false << "xcb" << true << "Software Rasterizer" << Renderer::Software << true;
        QTest::newRow("WSL fallback")
            << "" << false << "wayland" << true << "D3D12 (Microsoft Basic Render Driver)"
            << Renderer::Software << true;
        QTest::newRow("no context")
            << "" << false << "xcb" << true << "" << Renderer::Software << true;
        QTest::newRow("no render node")
            << "" << false << "xcb" << false << intel << Renderer::Software << false;
        QTest::newRow("offscreen")
            << "" << false << "offscreen" << true << intel << Renderer::Software << false;
        QTest::newRow("asked for software on a GPU")
            << "software" << false << "xcb" << true << intel << Renderer::Software << false;
        QTest::newRow("asked for OpenGL without one")
            << " OpenGL " << false << "offscreen" << false << "" << Renderer::OpenGL << false;
        QTest::newRow("asked for OpenGL over Qt's variable")
            << "opengl" << true << "xcb" << false << "" << Renderer::OpenGL << false;
        QTest::newRow("Qt's variable")
            << "" << true << "xcb" << false << llvmpipe << Renderer::QtDefault << false;
        QTest::newRow("unknown word decides as auto")
            << "vulkan" << false << "xcb" << true << llvmpipe << Renderer::Software << true;
    }
    void decision() {
        QFETCH(QString, requested);
        QFETCH(bool, isQtBackendSet);
        QFETCH(QString, platform);
        QFETCH(bool, hasRenderNode);
        QFETCH(QString, probe);
        QFETCH(Renderer, expected);
        QFETCH(bool, isProbed);
        int probes = 0;
        const RendererChoice choice = decideRenderer(
            {{requested, "--renderer"}, isQtBackendSet, platform, hasRenderNode}, [&] {
                ++probes;
                return probe;
            });
        QCOMPARE(choice.renderer, expected);
        QCOMPARE(probes, isProbed ? 1 : 0);
        QVERIFY(!choice.reason.isEmpty());
        // Who asked is named: the option and the variable both force.
        if (RendererRequest::isKnown(requested) && requested.trimmed().toLower() != "auto")
            QVERIFY2(choice.reason.contains("--renderer"), qPrintable(choice.reason));
    }

    // The whole choice in this process: the tests run on the offscreen
    // platform, so Qt Quick is told to render in software.
    void chosenForThisProcess() {
        if (!qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND") ||
            !qEnvironmentVariableIsEmpty("QSG_RHI_BACKEND") ||
            !qEnvironmentVariableIsEmpty("Q4CONFIG_RENDERER"))
            QSKIP("the environment chooses the renderer");
        if (QGuiApplication::platformName() != "offscreen") QSKIP("not the offscreen platform");
        QCOMPARE(chooseRenderer({}).renderer, Renderer::Software);
        QCOMPARE(QQuickWindow::sceneGraphBackend(), QString("software"));
    }
};

QTEST_MAIN(RendererChoiceTest)
#include "tst_renderer_choice.moc"
