// A dialog made from a dialog template, modal (DoModal) or modeless (Create).
// The modal loop is the framework's own, so PreTranslateMessage sees its messages.
#pragma once

#include "CWnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr)
        : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

    virtual INT_PTR DoModal();
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    // Enter and Esc (IDOK, IDCANCEL): they end a modal dialog; a modeless one stays.
    virtual void OnOK();
    virtual void OnCancel();

    BOOL PreTranslateMessage(MSG* pMsg) override { return PreTranslateDialogKeys(pMsg); }

protected:
    DECLARE_MESSAGE_MAP()
    LRESULT HandleInitDialog(WPARAM, LPARAM);

private:
    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    bool m_bInModalLoop = false;
    bool m_bEndModal = false;
    int m_nModalResult = -1;
};
