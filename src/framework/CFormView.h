// A view whose window is a child dialog made from a dialog template: its controls
// are the template's, bound to members by data exchange at the initial update.
#pragma once

#include "CView.h"

class CFormView : public CView {
public:
    explicit CFormView(UINT nIDTemplate) : m_nIDTemplate(nIDTemplate) {}

    BOOL Create(CWnd* pParentWnd, UINT nID) override;
    void OnInitialUpdate() override;
    BOOL PreTranslateMessage(MSG* pMsg) override { return PreTranslateDialogKeys(pMsg); }

private:
    UINT m_nIDTemplate;
};
