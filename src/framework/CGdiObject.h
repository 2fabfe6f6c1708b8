// Owner of one GDI object: deletes it when replaced or destroyed. A stand-in made
// by FromHandle (a DC's previous selection, a control's font) owns nothing.
#pragma once

#include <windows.h>

#include "CTempObjects.h"

class CGdiObject {
public:
    HGDIOBJ m_hObject = nullptr;

    CGdiObject() = default;
    virtual ~CGdiObject() {
        if (m_bOwner) DeleteObject();
    }
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
        BOOL ok = m_bOwner ? ::DeleteObject(m_hObject) : TRUE;
        m_hObject = nullptr;
        return ok;
    }
    int GetObject(int nCount, LPVOID lpObject) const {
        return m_hObject ? ::GetObjectA(m_hObject, nCount, lpObject) : 0;
    }
    HGDIOBJ GetSafeHandle() const { return m_hObject; }

protected:
    // For FromHandle: a T that refers to h without owning it.
    template <class T>
    static T* MakeBorrowed(HGDIOBJ h) {
        T* p = new T;
        p->m_hObject = h;
        p->m_bOwner = false;
        return p;
    }

private:
    bool m_bOwner = true;
};

// The stand-in of a GDI handle of class T (CPen, CBrush, CFont, CBitmap...).
#define DECLARE_GDI_FROMHANDLE(T, H)                     \
    static T* FromHandle(H h) {                          \
        return h ? CTempObjects::Get<T, H>(h) : nullptr; \
    }                                                    \
    static T* MakeTemporary(H h) {                       \
        return MakeBorrowed<T>(h);                       \
    }
