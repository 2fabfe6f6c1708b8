#include "EnvironmentVariable.h"

#include <windows.h>

EnvironmentVariable::EnvironmentVariable(const std::string& name, const std::string& value)
    : m_name(name) {
    char old[32768];
    const DWORD n = ::GetEnvironmentVariableA(name.c_str(), old, sizeof(old));
    m_bHadValue = n > 0 && n < sizeof(old);
    if (m_bHadValue) m_oldValue.assign(old, n);
    ::SetEnvironmentVariableA(name.c_str(), value.c_str());
}

EnvironmentVariable::~EnvironmentVariable() {
    ::SetEnvironmentVariableA(m_name.c_str(), m_bHadValue ? m_oldValue.c_str() : nullptr);
}
