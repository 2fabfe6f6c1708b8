#pragma once

#include <windows.h>

// Owns one system resource and gives it back when it goes: a kernel handle, a
// window of this thread or a GDI object. Traits say which values own something and
// how to give it back.
template <typename Traits>
class UniqueResource {
public:
    using Value = typename Traits::Value;

    explicit UniqueResource(Value value = nullptr) : value_(value) {}
    ~UniqueResource() { reset(); }
    UniqueResource(UniqueResource&& other) noexcept : value_(other.release()) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;

    Value get() const { return value_; }
    bool valid() const { return Traits::owns(value_); }
    Value release() {
        Value value = value_;
        value_ = nullptr;
        return value;
    }
    void reset(Value value = nullptr) {
        Value old = value_;
        value_ = value;
        if (Traits::owns(old)) Traits::close(old);
    }

private:
    Value value_;
};

struct KernelHandleTraits {
    using Value = HANDLE;
    static bool owns(HANDLE handle) { return handle && handle != INVALID_HANDLE_VALUE; }
    static void close(HANDLE handle) { CloseHandle(handle); }
};

// A window that the system has destroyed already (with a parent in another process,
// say) must be given up with release() when its WM_NCDESTROY arrives.
struct WindowTraits {
    using Value = HWND;
    static bool owns(HWND window) { return window && IsWindow(window); }
    static void close(HWND window) { DestroyWindow(window); }
};

// A GDI object must not be selected into a device context any more when it goes.
struct GdiObjectTraits {
    using Value = HGDIOBJ;
    static bool owns(HGDIOBJ object) { return object != nullptr; }
    static void close(HGDIOBJ object) { DeleteObject(object); }
};

using UniqueHandle = UniqueResource<KernelHandleTraits>;
using UniqueWindow = UniqueResource<WindowTraits>;
using UniqueGdiObject = UniqueResource<GdiObjectTraits>;
