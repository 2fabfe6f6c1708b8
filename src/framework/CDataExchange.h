// Data exchange between a dialog's controls and the members of its CWnd.
#pragma once

#include <windows.h>

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
    CWnd* m_pDlgWnd;
};

// Binds the dialog's control nIDC to rControl the first time it runs: from then on
// the control's messages go to rControl.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// Check box nIDC and an int: 0 cleared, 1 ticked, 2 indeterminate.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
