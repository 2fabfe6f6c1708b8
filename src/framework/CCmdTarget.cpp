#include "CCmdTarget.h"

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode) {
    LRESULT result = 0;
    return ProcessMessageMap(WM_COMMAND, MAKEWPARAM(nID, nCode), 0, result);
}

BOOL CCmdTarget::ProcessMessageMap(UINT, WPARAM, LPARAM, LRESULT&) {
    return FALSE;
}
