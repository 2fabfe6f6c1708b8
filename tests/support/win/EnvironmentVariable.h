// An environment variable of the test's own process, set for the life of the
// object and so for every program it starts meanwhile; the old value comes back.
#pragma once

#include <string>

class EnvironmentVariable {
public:
    EnvironmentVariable(const std::string& name, const std::string& value);
    ~EnvironmentVariable();
    EnvironmentVariable(const EnvironmentVariable&) = delete;
    EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

private:
    std::string m_name;
    std::string m_oldValue;
    bool m_bHadValue = false;
};
