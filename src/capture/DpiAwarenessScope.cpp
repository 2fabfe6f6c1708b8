#include "DpiAwarenessScope.h"

#include <cstdint>

namespace {

// the system's DPI_AWARENESS_CONTEXT values (headers for older systems lack them)
HANDLE Context(intptr_t nValue) {
    return reinterpret_cast<HANDLE>(nValue);
}
const intptr_t kPerMonitorAware = -3;
const intptr_t kPerMonitorAwareV2 = -4;

}  // namespace

DpiAwarenessScope::SetContextFunc DpiAwarenessScope::SystemSetContext() {
    HMODULE hUser = ::GetModuleHandleA("user32.dll");
    FARPROC pfn = hUser ? ::GetProcAddress(hUser, "SetThreadDpiAwarenessContext") : nullptr;
    return reinterpret_cast<SetContextFunc>(reinterpret_cast<void (*)()>(pfn));
}

DpiAwarenessScope::DpiAwarenessScope(SetContextFunc pfnSetContext)
    : m_pfnSetContext(pfnSetContext) {
    if (!m_pfnSetContext) return;
    // the second version (Windows 10 1703 on) also scales the system's own dialogs
    m_hPrevious = m_pfnSetContext(Context(kPerMonitorAwareV2));
    if (!m_hPrevious) m_hPrevious = m_pfnSetContext(Context(kPerMonitorAware));
}

DpiAwarenessScope::~DpiAwarenessScope() {
    if (m_hPrevious) m_pfnSetContext(m_hPrevious);
}
