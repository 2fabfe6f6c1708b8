// A tab page: what the strip draws for one tab (its caption or its picture) and
// the dialog that the tab shows. The page owns its dialog; the strip owns the page.
#pragma once

#include "CString.h"
#include "CWnd.h"
#include "Skin.h"

class CAnyTab;
class CDialog;

// page kinds (m_nKind)
constexpr int PAGE_WEB = 1;
constexpr int PAGE_TOOLS = 3;
constexpr int PAGE_GAME = 4;

class CAnyTabPage {
public:
    CAnyTabPage() = default;
    virtual ~CAnyTabPage();
    CAnyTabPage(const CAnyTabPage&) = delete;
    CAnyTabPage& operator=(const CAnyTabPage&) = delete;

    // Creates the page's dialog as a child of pParent, adds the page to the strip
    // and selects it. Always 1.
    virtual int Create(CWnd* pParent, CAnyTab* pStrip) = 0;
    // Deletes the dialog and then this page object: the caller must not use it again.
    virtual void Destroy();
    // Shows or hides the dialog; a shown dialog is activated and takes the focus.
    virtual void Show(int nCmdShow);
    // One piece of what the dialog leaves until the launcher's window has painted:
    // TRUE if it did one, FALSE when none is left.
    virtual BOOL DoDeferredWork() { return FALSE; }

    CString m_strCaption;    // drawn on a tab without a picture
    SkinPicture m_picture;   // two frames side by side: selected left, normal right
    CWnd* m_pDlg = nullptr;  // the page's dialog, owned
    int m_nKind = 0;         // PAGE_WEB, PAGE_TOOLS or PAGE_GAME

protected:
    // The sequence every kind creates itself by: pDlg (new, now owned) made from
    // its template, shown at once if bShowAtOnce, then added and selected.
    int CreatePage(int nKind, CDialog* pDlg, UINT nIDTemplate, CWnd* pParent, CAnyTab* pStrip,
                   bool bShowAtOnce = false);

private:
    void DeleteDialog();
};
