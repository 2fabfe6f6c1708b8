// The framework's window plumbing with real windows and real messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Afx.h"
#include "CDataExchange.h"
#include "CDialog.h"
#include "CDocument.h"
#include "CFormView.h"
#include "CFrameWnd.h"
#include "CSingleDocTemplate.h"
#include "CWinApp.h"
#include "TestSupport.h"
#include "afxres.h"
#include "resource.h"

namespace {

std::vector<std::string> g_calls;  // what the handlers saw, in order

const UINT kCommandForView = 40001;
const UINT kCommandForDoc = 40002;
const UINT kCommandForFrame = 40003;
const UINT kCommandForApp = 40004;
const UINT kCommandForNobody = 40005;

class TestDoc : public CDocument {
    DECLARE_DYNCREATE(TestDoc)
public:
    BOOL OnNewDocument() override {
        g_calls.push_back("new");
        return m_bAcceptNew;
    }
    BOOL OnOpenDocument(LPCSTR path) override {
        g_calls.push_back(std::string("open ") + path);
        return TRUE;
    }
    void OnDocCommand() { g_calls.push_back("doc"); }
    void OnViewCommand() { g_calls.push_back("doc saw view command"); }
    static BOOL m_bAcceptNew;

protected:
    DECLARE_MESSAGE_MAP()
};
BOOL TestDoc::m_bAcceptNew = TRUE;
IMPLEMENT_DYNCREATE(TestDoc)
BEGIN_MESSAGE_MAP(TestDoc, CDocument)
ON_COMMAND(kCommandForDoc, &TestDoc::OnDocCommand)
ON_COMMAND(kCommandForView, &TestDoc::OnViewCommand)
END_MESSAGE_MAP()

class TestView : public CFormView {
    DECLARE_DYNCREATE(TestView)
public:
    TestView() : CFormView(IDD_WORKSPACE) {}
    void OnInitialUpdate() override {
        CFormView::OnInitialUpdate();
        g_calls.push_back("initial update");
    }
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_TABS, m_wndStatic); }
    void OnViewCommand() { g_calls.push_back("view"); }
    void OnSize(UINT nType, int cx, int cy) {
        CFormView::OnSize(nType, cx, cy);
        m_lastSize = {cx, cy};
    }
    CWnd m_wndStatic;
    SIZE m_lastSize = {0, 0};

protected:
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(TestView)
BEGIN_MESSAGE_MAP(TestView, CFormView)
ON_COMMAND(kCommandForView, &TestView::OnViewCommand)
ON_WM_SIZE()
END_MESSAGE_MAP()

class TestFrame : public CFrameWnd {
    DECLARE_DYNCREATE(TestFrame)
public:
    void OnFrameCommand() { g_calls.push_back("frame"); }
    BOOL OnCopyData(CWnd*, COPYDATASTRUCT* pcds) { return static_cast<BOOL>(pcds->cbData) + 1000; }

protected:
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(TestFrame)
BEGIN_MESSAGE_MAP(TestFrame, CFrameWnd)
ON_COMMAND(kCommandForFrame, &TestFrame::OnFrameCommand)
ON_WM_COPYDATA()
END_MESSAGE_MAP()

class TestApp : public CWinApp {
public:
    void OnAppCommand() { g_calls.push_back("app"); }
    void OnNew() { OnFileNew(); }

protected:
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(TestApp, CWinApp)
ON_COMMAND(kCommandForApp, &TestApp::OnAppCommand)
ON_COMMAND(ID_FILE_NEW, &TestApp::OnNew)
END_MESSAGE_MAP()

class Framework : public testing::Test {
protected:
    void SetUp() override {
        g_calls.clear();
        TestDoc::m_bAcceptNew = TRUE;
        AfxInitRichEdit();  // the workspace's form, borrowed here, holds rich edit controls
        m_pTemplate = new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(TestDoc),
                                             RUNTIME_CLASS(TestFrame), RUNTIME_CLASS(TestView));
        m_app.AddDocTemplate(m_pTemplate);
    }
    void TearDown() override {
        if (CWnd* pMain = m_app.GetMainWnd()) pMain->DestroyWindow();
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
    TestFrame* Open() {
        EXPECT_NE(m_pTemplate->OpenDocumentFile(nullptr, FALSE), nullptr);
        return static_cast<TestFrame*>(m_app.GetMainWnd());
    }

    TestApp m_app;
    CSingleDocTemplate* m_pTemplate = nullptr;
};

TEST_F(Framework, CommandsGoToTheViewThenTheDocumentThenTheFrameThenTheApp) {
    TestFrame* pFrame = Open();
    ASSERT_NE(pFrame, nullptr);
    g_calls.clear();
    for (UINT id :
         {kCommandForView, kCommandForDoc, kCommandForFrame, kCommandForApp, kCommandForNobody}) {
        pFrame->SendMessage(WM_COMMAND, MAKEWPARAM(id, 1), 0);  // as from an accelerator
    }
    EXPECT_EQ(g_calls, (std::vector<std::string>{"view", "doc", "frame", "app"}));
}

TEST_F(Framework, TheDocumentAndViewAreBuiltOnceWhateverIsAskedLater) {
    TestFrame* pFrame = Open();
    ASSERT_NE(pFrame, nullptr);
    HWND hView = pFrame->GetActiveView()->m_hWnd;
    EXPECT_EQ(g_calls, (std::vector<std::string>{"new", "initial update"}));

    g_calls.clear();
    TestDoc::m_bAcceptNew = FALSE;
    m_app.LoadStdProfileSettings(4);  // no registry key: an empty list of four
    pFrame->SendMessage(WM_COMMAND, ID_FILE_NEW, 0);
    EXPECT_EQ(m_pTemplate->OpenDocumentFile("C:\\some.file"), m_pTemplate->GetDocument());
    EXPECT_EQ(g_calls, (std::vector<std::string>{"new", "open C:\\some.file"}));
    // an opened file is still the document's, and a recent file
    EXPECT_EQ(m_pTemplate->GetDocument()->GetPathName(), "C:\\some.file");
    ASSERT_EQ(m_app.GetRecentFileList().size(), 1u);
    EXPECT_EQ(m_app.GetRecentFileList().front(), "C:\\some.file");
    EXPECT_EQ(pFrame->GetActiveView()->m_hWnd, hView);
    EXPECT_EQ(m_app.GetMainWnd(), pFrame);
}

TEST_F(Framework, ARefusedFirstDocumentLeavesNoFrame) {
    TestDoc::m_bAcceptNew = FALSE;
    EXPECT_EQ(m_pTemplate->OpenDocumentFile(nullptr, FALSE), nullptr);
    EXPECT_EQ(m_app.GetMainWnd(), nullptr);
    EXPECT_EQ(::FindWindowA(CFrameWnd::kFrameClassName, nullptr), nullptr);
    EXPECT_EQ(m_pTemplate->GetDocument(), nullptr);
}

TEST_F(Framework, TheViewFillsTheFrameAndItsControlsAreBound) {
    TestFrame* pFrame = Open();
    ASSERT_NE(pFrame, nullptr);
    pFrame->SetWindowPos(nullptr, 0, 0, 640, 480, SWP_NOMOVE | SWP_NOZORDER);
    CRect rcClient;
    pFrame->GetClientRect(&rcClient);
    auto* pView = static_cast<TestView*>(pFrame->GetActiveView());
    CRect rcView;
    pView->GetWindowRect(&rcView);
    ::MapWindowPoints(nullptr, pFrame->m_hWnd, reinterpret_cast<POINT*>(&rcView), 2);
    EXPECT_EQ(rcView.left, 0);
    EXPECT_EQ(rcView.top, 0);
    EXPECT_EQ(rcView.Width(), rcClient.Width());
    EXPECT_EQ(rcView.Height(), rcClient.Height());
    CRect rcViewClient;
    pView->GetClientRect(&rcViewClient);
    EXPECT_EQ(pView->m_lastSize.cx, rcViewClient.Width());
    EXPECT_EQ(pView->m_lastSize.cy, rcViewClient.Height());
    EXPECT_EQ(::GetDlgCtrlID(pView->m_hWnd), AFX_IDW_PANE_FIRST);
    ASSERT_NE(pView->m_wndStatic.m_hWnd, nullptr);
    EXPECT_EQ(::GetDlgCtrlID(pView->m_wndStatic), IDC_TABS);
    EXPECT_EQ(CWnd::FromHandlePermanent(pView->m_wndStatic), &pView->m_wndStatic);
}

TEST_F(Framework, MessageParametersReachTheHandlerTyped) {
    TestFrame* pFrame = Open();
    ASSERT_NE(pFrame, nullptr);
    char data[7] = {};
    COPYDATASTRUCT cds = {0, sizeof(data), data};
    EXPECT_EQ(pFrame->SendMessage(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds)), 1007);
    // a message the map does not list goes to the window's own procedure
    pFrame->SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("abc"));
    EXPECT_EQ(pFrame->GetWindowText(), "abc");
}

TEST_F(Framework, TheFrameTranslatesItsAcceleratorsForItsChildren) {
    TestFrame* pFrame = Open();
    ASSERT_NE(pFrame, nullptr);
    auto* pView = static_cast<TestView*>(pFrame->GetActiveView());
    g_calls.clear();
    TestDoc::m_bAcceptNew = FALSE;

    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    MSG msg = {pView->m_wndStatic.m_hWnd, WM_KEYDOWN, 'N', 0, 0, {0, 0}};
    EXPECT_TRUE(m_app.PreTranslateMessage(&msg));
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    PumpPending();
    EXPECT_EQ(g_calls, (std::vector<std::string>{"new"}));  // Ctrl+N: ID_FILE_NEW to the app

    msg.wParam = 'Q';  // no accelerator: the form's dialog handling may take it, not the frame
    g_calls.clear();
    m_app.PreTranslateMessage(&msg);
    PumpPending();
    EXPECT_TRUE(g_calls.empty());
}

class TimedDialog : public CDialog {
public:
    TimedDialog() : CDialog(IDD_ABOUTBOX) {}
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_bInitialised = true;
        ::PostMessageA(m_hWnd, WM_COMMAND, IDOK, 0);
        return TRUE;
    }
    bool m_bInitialised = false;
};

TEST(Dialog, ModalDialogRunsItsLoopUntilEnded) {
    TimedDialog dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(dlg.m_bInitialised);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

class AtOnceEndedDialog : public CDialog {
public:
    AtOnceEndedDialog() : CDialog(IDD_ABOUTBOX) {}
    BOOL OnInitDialog() override {
        EndDialog(IDCANCEL);
        return TRUE;
    }
};

TEST(Dialog, AModalDialogEndedInOnInitDialogEndsItsLoop) {
    AtOnceEndedDialog dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

class QuittingDialog : public CDialog {
public:
    QuittingDialog() : CDialog(IDD_ABOUTBOX) {}
    BOOL OnInitDialog() override {
        ::PostQuitMessage(7);
        return TRUE;
    }
};

TEST(Dialog, AQuitEndsTheModalLoopAndIsLeftForTheMainLoop) {
    QuittingDialog dlg;
    dlg.DoModal();
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
}

}  // namespace
