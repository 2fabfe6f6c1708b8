// Owner of one GDI object: deletes it when replaced or destroyed.
#pragma once

#include <windows.h>

class CGdiObject {
public:
    HGDIOBJ m_hObject = nullptr;

    CGdiObject() = default;
    virtual ~CGdiObject() { DeleteObject(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    BOOL Attach(HGDIOBJ hObject) {
        DeleteObject();
        m_hObject = hObject;
        return hObject != nullptr;
    }
    HGDIOBJ Detach() {
        HGDIOBJ h = m_hObject;
        m_hObject = nullptr;
        return h;
    }
    BOOL DeleteObject() {
        if (!m_hObject) return FALSE;
        BOOL ok = ::DeleteObject(m_hObject);
        m_hObject = nullptr;
        return ok;
    }
    int GetObject(int nCount, LPVOID lpObject) const {
        return m_hObject ? ::GetObjectA(m_hObject, nCount, lpObject) : 0;
    }
    HGDIOBJ GetSafeHandle() const { return m_hObject; }
};
