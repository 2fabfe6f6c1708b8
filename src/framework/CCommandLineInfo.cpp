#include "CCommandLineInfo.h"

void CCommandLineInfo::ParseParam(const char* pszParam, bool bFlag) {
    if (bFlag || !m_strFileName.IsEmpty()) return;
    m_strFileName = pszParam;
    m_nShellCommand = FileOpen;
}
