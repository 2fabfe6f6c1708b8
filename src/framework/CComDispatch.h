// Base of the small COM objects the framework hands to a hosted control: a
// reference count that deletes the object at zero, and an IDispatch that answers
// by DISPID only (no type information, no names).
#pragma once

#include <windows.h>
#include <oaidl.h>

class CComDispatch : public IDispatch {
public:
    CComDispatch() = default;
    CComDispatch(const CComDispatch&) = delete;
    CComDispatch& operator=(const CComDispatch&) = delete;

    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_cRef; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG cRef = --m_cRef;
        if (cRef == 0) delete this;
        return cRef;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override {
        if (pctinfo) *pctinfo = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) override {
        if (ppTInfo) *ppTInfo = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }

protected:
    virtual ~CComDispatch() = default;

private:
    ULONG m_cRef = 1;  // the creator's reference
};
