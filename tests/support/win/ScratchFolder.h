// A fresh folder below the temporary folder, removed with everything in it. Its
// name starts with the prefix, so that the tests that left one behind can be told.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& prefix = "skylark-test");
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + "\\" + name; }
    void Write(const std::string& name, const std::vector<uint8_t>& bytes) const;
    void Write(const std::string& name, const std::string& text) const;
    // Copies a file from elsewhere into the folder under the name; false if it could not.
    bool Copy(const std::string& source, const std::string& name) const;

private:
    std::string m_path;
};
