#include "CBstr.h"

CBstr::CBstr(LPCSTR pszAnsi) {
    if (!pszAnsi) pszAnsi = "";
    int n = ::MultiByteToWideChar(CP_ACP, 0, pszAnsi, -1, nullptr, 0);
    if (n <= 0) return;
    m_bstr = ::SysAllocStringLen(nullptr, static_cast<UINT>(n - 1));
    if (m_bstr) ::MultiByteToWideChar(CP_ACP, 0, pszAnsi, -1, m_bstr, n);
}
