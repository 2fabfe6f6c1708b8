#pragma once

#include <windows.h>

// Owns a GDI object (brush, pen, font, bitmap) and deletes it. It must not
// be selected into a device context any more when it goes.
class UniqueGdiObject {
public:
    explicit UniqueGdiObject(HGDIOBJ object = nullptr) : object_(object) {}
    ~UniqueGdiObject();
    UniqueGdiObject(const UniqueGdiObject&) = delete;
    UniqueGdiObject& operator=(const UniqueGdiObject&) = delete;

    HGDIOBJ get() const { return object_; }

private:
    HGDIOBJ object_;
};
