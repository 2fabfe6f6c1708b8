// Reader of the launcher's site list, "Platform/Config.ini": an ordered list of sections,
// each answering lookups of its keys. Every line is cut into blank-separated tokens, "="
// counts as a blank, "[name]" as the first token starts a section, and a key's value is
// the token that follows it. Bytes are kept as they are (code page 936 text on the
// target systems).
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "CConfigSection.h"
#include "CStringDict.h"
#include "CTokenLine.h"
#include "PortableTypes.h"

class CSiteConfig {
public:
    CSiteConfig() = default;
    CSiteConfig(const CSiteConfig&) = delete;
    CSiteConfig& operator=(const CSiteConfig&) = delete;

    // Reads "Platform/Config.ini" relative to the current directory. FALSE if the file
    // cannot be opened (the reader is then empty), TRUE otherwise, also for an empty file.
    BOOL Load();
    BOOL Load(const char* pszPath);
    // Reads the bytes of a whole file as stored on disk; Load feeds the file through this.
    void LoadFromBuffer(const char* pData, size_t nSize);

    // Every section in file order, repeated names included.
    int GetSectionCount() const { return static_cast<int>(m_sections.size()); }
    CConfigSection* GetSection(int i) const;
    // The first section of that name, ignoring the case of ASCII letters; null if none.
    CConfigSection* FindSection(const char* pszName) const;
    // After loading: the first section named "main" in any case, or null.
    CConfigSection* GetCurrentSection() const { return m_pCurrentSection; }

    // Every line of the file that has a token, in file order: headers, lines before the
    // first header and key lines.
    int GetLineCount() const { return static_cast<int>(m_lines.size()); }
    CTokenLine* GetLine(int i) const;

private:
    void Clear();
    // One line as a 1024-byte fgets buffer holds it, zero-terminated; may be changed.
    void AddLine(char* pszLine);

    std::vector<std::unique_ptr<CTokenLine>> m_lines;
    CConfigSection* m_pCurrentSection = nullptr;
    CStringDict m_sectionIndex;
    std::vector<std::unique_ptr<CConfigSection>> m_sections;
};
