// The launcher's download window: a hidden static control of the workspace's form
// that confirms every time check and shows the text of a download that starts.
#pragma once

#include "CStatic.h"
#include "FCDownloadFileWndBase.h"

class CDownloader : public FCDownloadFileWndBase<CStatic> {
public:
    CDownloader() = default;
    ~CDownloader() override = default;

protected:
    LRESULT OnCheckTime(CString strFirst, CString strSecond) override;
    void OnStartDownload(CString strText) override;
};
