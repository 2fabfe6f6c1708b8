// The system's colour chooser, modal, preset to a colour.
#pragma once

#include <windows.h>

#include <commdlg.h>

class CWnd;

class CColorDialog {
public:
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);

    // IDOK when a colour was chosen, else IDCANCEL
    INT_PTR DoModal();
    COLORREF GetColor() const { return m_cc.rgbResult; }

    CHOOSECOLORA m_cc = {};

private:
    CWnd* m_pParentWnd;
    COLORREF m_crCustom[16] = {};
};
