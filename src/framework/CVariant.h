// Owner of one VARIANT: whatever it holds (a string, an interface) is released
// when it is destroyed.
#pragma once

#include <windows.h>
#include <oleauto.h>

class CVariant {
public:
    CVariant() { ::VariantInit(&m_var); }
    ~CVariant() { ::VariantClear(&m_var); }
    CVariant(const CVariant&) = delete;
    CVariant& operator=(const CVariant&) = delete;

    // Takes over a string.
    explicit CVariant(BSTR bstr) : CVariant() {
        m_var.vt = VT_BSTR;
        m_var.bstrVal = bstr;
    }

    // For out parameters: clears what is held and hands out the slot.
    VARIANT* Receive() {
        ::VariantClear(&m_var);
        return &m_var;
    }
    // For in parameters that take a pointer.
    VARIANT* Ptr() { return &m_var; }
    const VARIANT& Get() const { return m_var; }
    VARTYPE Type() const { return m_var.vt; }

private:
    VARIANT m_var;
};
