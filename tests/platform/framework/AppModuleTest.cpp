#include <dlfcn.h>

#include "DocViewFixture.h"

using namespace docview;

namespace {

int programGlobal = 0;

} // namespace

TEST(AppModuleStateTest, EachLoadedModuleHasItsOwnStateAndTheProgramsIsTheDefault)
{
    AFX_MODULE_STATE* program = AfxGetAppModuleState();
    EXPECT_EQ(AfxGetModuleState(), program);
    EXPECT_EQ(platform::ModuleStateOf(&programGlobal), program);
    EXPECT_EQ(AfxGetStaticModuleState(), program);
    EXPECT_EQ(AfxGetInstanceHandle(), program->m_hCurrentInstanceHandle);

    // A library's state is its own, with the library's base address as instance handle.
    void* inLibrary = dlsym(RTLD_DEFAULT, "strlen");
    ASSERT_NE(inLibrary, nullptr);
    AFX_MODULE_STATE* library = platform::ModuleStateOf(inLibrary);
    ASSERT_NE(library, nullptr);
    EXPECT_NE(library, program);
    EXPECT_EQ(platform::ModuleStateOf(inLibrary), library);
    Dl_info info{};
    ASSERT_TRUE(dladdr(inLibrary, &info));
    EXPECT_EQ(library->m_hCurrentInstanceHandle, static_cast<HINSTANCE>(info.dli_fbase));
    EXPECT_EQ(library->m_hCurrentResourceHandle, library->m_hCurrentInstanceHandle);

    // Nothing on the heap belongs to a module.
    auto heap = std::make_unique<int>(0);
    EXPECT_EQ(platform::ModuleStateOf(heap.get()), nullptr);
}

TEST(AppModuleStateTest, ScopesNestAndRestoreTheStateBefore)
{
    AFX_MODULE_STATE plugin("plugin"), other("other");
    {
        AFX_MANAGE_STATE(&plugin);
        EXPECT_EQ(AfxGetModuleState(), &plugin);
        {
            AFX_MANAGE_STATE(&other);
            EXPECT_EQ(AfxGetModuleState(), &other);
            platform::HostModuleScope host;
            EXPECT_EQ(AfxGetModuleState(), AfxGetAppModuleState());
        }
        EXPECT_EQ(AfxGetModuleState(), &plugin);
    }
    EXPECT_EQ(AfxGetModuleState(), AfxGetAppModuleState());
}

TEST_F(DocViewTest, AnApplicationMadeUnderAModulesStateBelongsToThatModuleUntilItGoes)
{
    AFX_MODULE_STATE plugin("plugin");
    {
        AFX_MANAGE_STATE(&plugin);
        CWinApp pluginApp("Plugin");
        EXPECT_EQ(plugin.m_pCurrentWinApp, &pluginApp);
        EXPECT_EQ(pluginApp.m_pModuleState, &plugin);
        EXPECT_EQ(pluginApp.m_hInstance, plugin.m_hCurrentInstanceHandle);
        EXPECT_EQ(AfxGetApp(), &pluginApp);
        EXPECT_EQ(AfxGetMainWnd(), nullptr);
    }
    EXPECT_EQ(plugin.m_pCurrentWinApp, nullptr);
    // The host's application was not disturbed.
    EXPECT_EQ(AfxGetApp(), app.get());
    EXPECT_EQ(AfxGetMainWnd(), mainFrame);
}

// A plug-in's handler opens its window through its own template. In its own module state there
// is no main frame to put it in; under the host's state the window becomes an MDI child of the
// host's main frame.
TEST_F(DocViewTest, AHandlerUnderTheHostsModuleStateOpensItsWindowInTheHostsMainFrame)
{
    AFX_MODULE_STATE plugin("plugin");
    AFX_MANAGE_STATE(&plugin);
    CWinApp pluginApp("Plugin");
    auto* pluginTemplate = new CMultiDocTemplate(8003, RUNTIME_CLASS(CDvDoc), RUNTIME_CLASS(CMDIChildWnd),
                                                 RUNTIME_CLASS(CDvView), "\nAllyledger\nAllyledger");
    pluginApp.AddDocTemplate(pluginTemplate);

    EXPECT_EQ(pluginTemplate->OpenDocumentFile(nullptr), nullptr);
    EXPECT_EQ(pluginTemplate->GetFirstDocPosition(), nullptr);
    EXPECT_EQ(::GetWindow(mainFrame->m_hWndMDIClient, GW_CHILD), nullptr);

    CDocument* doc = nullptr;
    {
        platform::HostModuleScope host;
        doc = pluginTemplate->OpenDocumentFile(nullptr);
    }
    EXPECT_EQ(AfxGetModuleState(), &plugin);
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->GetTitle(), "Allyledger1");
    CMDIChildWnd* frame = FrameOf(doc);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(::GetParent(frame->m_hWnd), mainFrame->m_hWndMDIClient);
    EXPECT_EQ(mainFrame->MDIGetActive(), frame);

    // The plug-in's application closes its documents as it goes.
    HWND frameWindow = frame->m_hWnd;
    pluginApp.CloseAllDocuments(FALSE);
    EXPECT_FALSE(::IsWindow(frameWindow));
    EXPECT_EQ(pluginTemplate->GetFirstDocPosition(), nullptr);
}
