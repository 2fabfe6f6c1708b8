#include "CBstr.h"

#include <string>

CString AnsiFromOle(const OLECHAR* psz) {
    if (!psz || !*psz) return CString();
    int n = ::WideCharToMultiByte(CP_ACP, 0, psz, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1) return CString();
    std::string ansi(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, psz, -1, &ansi[0], n, nullptr, nullptr);
    ansi.resize(static_cast<size_t>(n - 1));  // without the terminator
    return CString(ansi);
}

CBstr::CBstr(LPCSTR pszAnsi) {
    if (!pszAnsi) pszAnsi = "";
    int n = ::MultiByteToWideChar(CP_ACP, 0, pszAnsi, -1, nullptr, 0);
    if (n <= 0) return;
    m_bstr = ::SysAllocStringLen(nullptr, static_cast<UINT>(n - 1));
    if (m_bstr) ::MultiByteToWideChar(CP_ACP, 0, pszAnsi, -1, m_bstr, n);
}
