// A tab page kind for the strip's tests: a plain dialog, and a record of what the
// strip asks of the page.
#pragma once

#define IDD_TEST_PAGE 9001

#ifndef RC_INVOKED
#include <vector>

#include "AnyTabPage.h"
#include "CDialog.h"

// the page's dialog: counts the ends of its windows that it saw itself
class CTestPageDlg : public CDialog {
public:
    CTestPageDlg() : CDialog(IDD_TEST_PAGE) {}
    void OnDestroy();
    static int s_nDestroyed;

protected:
    DECLARE_MESSAGE_MAP()
};

class CTestPage : public CAnyTabPage {
public:
    CTestPage() { s_nLive++; }
    ~CTestPage() override { s_nLive--; }

    int Create(CWnd* pParent, CAnyTab* pStrip) override;
    void Show(int nCmdShow) override;

    std::vector<int> m_shows;  // every show command, in order
    static int s_nLive;        // test pages not yet deleted
};
#endif
