#include "UniqueHandle.h"

UniqueHandle& UniqueHandle::operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
}

HANDLE UniqueHandle::release() {
    HANDLE handle = handle_;
    handle_ = nullptr;
    return handle;
}

void UniqueHandle::reset(HANDLE handle) {
    if (valid()) CloseHandle(handle_);
    handle_ = handle;
}
