#include "CliengDlg.h"

#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "Afx.h"
#include "CBitmap.h"
#include "CDC.h"
#include "GameLink.h"
#include "GameStartText.h"
#include "GdiPlus.h"
#include "Log.h"
#include "resource.h"

CCliengDlg* g_pCliengDlg = nullptr;

namespace {

const int kFrameSize = 64;
const int kFrameCount = 12;

struct LocalFreer {
    void operator()(LPWSTR* p) const { ::LocalFree(p); }
};

// The launcher's command line split as the system splits it; none if it cannot be.
std::vector<std::string> LauncherArguments() {
    int argc = 0;
    std::unique_ptr<LPWSTR, LocalFreer> argv(::CommandLineToArgvW(::GetCommandLineW(), &argc));
    std::vector<std::string> arguments;
    if (!argv) return arguments;
    for (int i = 0; i < argc; i++) arguments.push_back(AfxAnsiFromWide(argv.get()[i]).str());
    return arguments;
}

}  // namespace

BEGIN_MESSAGE_MAP(CCliengDlg, CDialog)
ON_WM_ERASEBKGND()
ON_WM_TIMER()
ON_WM_SHOWWINDOW()
ON_WM_SETFOCUS()
END_MESSAGE_MAP()

CCliengDlg::CCliengDlg() : CDialog(IDD_CLIENG) {
    g_pCliengDlg = this;
}

CCliengDlg::~CCliengDlg() {
    if (g_pCliengDlg == this) g_pCliengDlg = nullptr;
}

BOOL CCliengDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // started once the launcher's window has painted: LaunchDueGame
    m_bLaunchDue = TRUE;
    LoadSkinBitmap(kPlayGameBackgroundFile, m_bmpBackground);
    LoadSkinPicture(kLoadingAnimationFile, m_picLoading);
    SetTimer(kAnimationTimer, 100);
    return TRUE;
}

BOOL CCliengDlg::LaunchDueGame() {
    if (!m_bLaunchDue) return FALSE;
    m_bLaunchDue = FALSE;
    LaunchGame();
    return TRUE;
}

// A game already running is not started twice. The arguments go on as the split
// left them; a command line that cannot be split hands on the fixed words alone.
void CCliengDlg::LaunchGame() {
    NoteGameStart();
    if (::FindWindowA("QOVEXPLATFORM", nullptr)) {
        LogEvent("game-start", "none: the game already runs");
        return;
    }
    std::string parameters = BuildGameParameters(LauncherArguments());
    char path[MAX_PATH] = {};
    ::GetFullPathNameA("Orbavel.exe", sizeof(path), path, nullptr);
    // the parameters can carry an account's session: only their length is logged
    LogEvent("game-start", "%s, show command %d, parameters of %u characters", path, SW_HIDE,
             static_cast<unsigned>(parameters.size()));
    auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteA(nullptr, "open", "Orbavel.exe", parameters.c_str(), nullptr, SW_HIDE));
    const DWORD dwError = ::GetLastError();
    if (result > 32) {
        LogEvent("game-start", "started");
        return;
    }
    LogEvent("game-start", "failed: result %d, %s", static_cast<int>(result),
             SystemErrorText(dwError ? dwError : static_cast<DWORD>(result)).c_str());
    AfxMessageBox(AfxAnsiFromUtf8(GameStartFailureMessage(result).c_str()), MB_ICONERROR);
}

// All the page's drawing happens here; once the game is ready it draws nothing.
BOOL CCliengDlg::OnEraseBkgnd(CDC* pDC) {
    if (!m_bGameReady) DrawLoadingPage(pDC);
    return TRUE;
}

// The background unscaled and centred (clipped on both sides when larger than the
// page), the loading frame centred over it.
void CCliengDlg::DrawLoadingPage(CDC* pDC) {
    CRect rc;
    GetClientRect(&rc);
    const int nWidth = rc.Width(), nHeight = rc.Height();
    BITMAP bm = {};
    CDC dcBackground;
    if (m_bmpBackground.GetBitmap(&bm) && dcBackground.CreateCompatibleDC(pDC)) {
        dcBackground.SelectObject(&m_bmpBackground);
        pDC->BitBlt((nWidth - bm.bmWidth) / 2, (nHeight - bm.bmHeight) / 2, bm.bmWidth, bm.bmHeight,
                    &dcBackground, 0, 0, SRCCOPY);
    }
    if (m_picLoading.pImage) {
        const CRect rcFrame = FrameRect();
        Gdiplus::Graphics graphics(pDC->GetSafeHdc());
        graphics.DrawImage(m_picLoading.pImage.get(),
                           Gdiplus::Rect(rcFrame.left, rcFrame.top, kFrameSize, kFrameSize),
                           kFrameSize * m_nFrame, 0, kFrameSize, kFrameSize, Gdiplus::UnitPixel);
    }
}

CRect CCliengDlg::FrameRect() const {
    CRect rc;
    GetClientRect(&rc);
    const int left = (rc.Width() - kFrameSize) / 2, top = (rc.Height() - kFrameSize) / 2;
    return CRect(left, top, left + kFrameSize, top + kFrameSize);
}

void CCliengDlg::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == kAnimationTimer && !m_bGameReady) {
        m_nFrame = (m_nFrame + 1) % kFrameCount;
        // only the frame changed: its square is erased, which draws the
        // background under it and the new frame over that
        const CRect rcFrame = FrameRect();
        InvalidateRect(&rcFrame, TRUE);
    }
    Default();
}

// The game hears whether its page is shown, as if the launcher were (de)activated.
void CCliengDlg::OnShowWindow(BOOL bShow, UINT) {
    Default();
    g_bGamePageShown = bShow;
    if (g_hGameWnd) ::SendMessageA(g_hGameWnd, WM_ACTIVATEAPP, static_cast<WPARAM>(bShow), 0);
}
