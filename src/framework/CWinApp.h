// The application: start-up and shut-down around the message loop, the document
// template, the commands of the application itself (New, Open, Print Setup) and
// the framework's profile in the registry (its recent-file list).
#pragma once

#include <memory>
#include <vector>

#include "CCmdTarget.h"
#include "CString.h"

class CCommandLineInfo;
class CSingleDocTemplate;
class CWnd;

class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    virtual int Run();
    // Called by Run while the queue is empty, lCount counting the calls since the
    // last message; one piece of idle work a call. TRUE while more work is left.
    virtual BOOL OnIdle(LONG lCount);
    // Offers a message to the windows it is for, from its window up to the top level.
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    CWnd* GetMainWnd() const { return m_pMainWnd; }

    void AddDocTemplate(CSingleDocTemplate* pTemplate);  // takes ownership
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);

    void SetRegistryKey(LPCSTR lpszRegistryKey);
    void LoadStdProfileSettings(UINT nMaxMRU);
    void AddToRecentFileList(LPCSTR lpszPathName);
    const std::vector<CString>& GetRecentFileList() const { return m_recentFiles; }

    void OnFileNew();
    void OnFileOpen();
    void OnFilePrintSetup();

    HINSTANCE m_hInstance = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    CWnd* m_pMainWnd = nullptr;
    CString m_strAppName;      // string AFX_IDS_APP_TITLE
    CString m_strRegistryKey;  // empty: no profile
    // The main window could not be made: the program ends with a failure code.
    bool m_bStartFailed = false;

private:
    bool RunIdleStep(LONG lCount);
    CSingleDocTemplate* GetTemplate() const;
    bool OpenAppKey(HKEY* phKey, bool bCreate) const;
    void SaveStdProfileSettings();

    std::vector<std::unique_ptr<CSingleDocTemplate>> m_templates;
    std::vector<CString> m_recentFiles;
    UINT m_nMaxMRU = 0;
    bool m_bRecentFilesChanged = false;
};

CWinApp* AfxGetApp();
