// Owner of one BSTR, and the conversions between it and the program's ANSI text.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include "Afx.h"
#include "CString.h"

class CBstr {
public:
    CBstr() = default;
    explicit CBstr(LPCSTR pszAnsi);  // converted from the ANSI code page
    ~CBstr() { ::SysFreeString(m_bstr); }
    CBstr(const CBstr&) = delete;
    CBstr& operator=(const CBstr&) = delete;

    // For out parameters: frees what is held and hands out the slot.
    BSTR* Receive() {
        ::SysFreeString(m_bstr);
        m_bstr = nullptr;
        return &m_bstr;
    }
    // Gives the string up, to a VARIANT that frees it.
    BSTR Detach() {
        BSTR bstr = m_bstr;
        m_bstr = nullptr;
        return bstr;
    }
    BSTR Get() const { return m_bstr; }
    CString ToAnsi() const { return AfxAnsiFromWide(m_bstr); }

private:
    BSTR m_bstr = nullptr;
};
