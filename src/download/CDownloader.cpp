#include "CDownloader.h"

LRESULT CDownloader::OnCheckTime(CString, CString) {
    return TRUE;
}

void CDownloader::OnStartDownload(CString strText) {
    SetWindowText(strText);
}
