#include "CCmdTarget.h"

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, LPARAM lParam) {
    LRESULT result = 0;
    return ProcessMessageMap(WM_COMMAND, MAKEWPARAM(nID, nCode), lParam, result);
}

BOOL CCmdTarget::ProcessMessageMap(UINT, WPARAM, LPARAM, LRESULT&) {
    return FALSE;
}
