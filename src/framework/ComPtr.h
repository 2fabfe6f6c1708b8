// Owner of one reference to a COM interface: released when replaced, reset or
// destroyed, so every interface pointer is released exactly once.
#pragma once

#include <objbase.h>

template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr& other) : m_p(other.m_p) {
        if (m_p) m_p->AddRef();
    }
    ComPtr(ComPtr&& other) noexcept : m_p(other.m_p) { other.m_p = nullptr; }
    ~ComPtr() { Release(); }

    ComPtr& operator=(const ComPtr& other) {
        if (other.m_p) other.m_p->AddRef();
        Release();
        m_p = other.m_p;
        return *this;
    }
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Release();
            m_p = other.m_p;
            other.m_p = nullptr;
        }
        return *this;
    }

    // Takes over a reference the caller already holds (a fresh object, an out parameter).
    static ComPtr Adopt(T* p) {
        ComPtr ptr;
        ptr.m_p = p;
        return ptr;
    }
    // Adds a reference of its own to p.
    static ComPtr Share(T* p) {
        if (p) p->AddRef();
        return Adopt(p);
    }
    // The interface riid of any object, or empty.
    template <class U>
    static ComPtr Query(U* pUnknown, REFIID riid) {
        T* p = nullptr;
        if (pUnknown) pUnknown->QueryInterface(riid, reinterpret_cast<void**>(&p));
        return Adopt(p);
    }

    void Release() {
        T* p = m_p;
        m_p = nullptr;
        if (p) p->Release();
    }
    // For out parameters: releases what is held and hands out the slot.
    T** Receive() {
        Release();
        return &m_p;
    }

    T* Get() const { return m_p; }
    T* operator->() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }

private:
    T* m_p = nullptr;
};
