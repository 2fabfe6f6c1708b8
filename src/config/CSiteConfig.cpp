#include "CSiteConfig.h"

#include <cstdio>
#include <cstring>

namespace {

const char* const kConfigPath = "Platform/Config.ini";

// Lines are cut as fgets cuts them into a buffer of this size: a physical line longer
// than 1023 bytes arrives as several lines.
const int kLineBufferSize = 1024;

// Only this much of a line's first token is examined for "[" and "]".
const size_t kMaxHeaderBytes = 255;

const char kCtrlZ = 0x1A;

struct FileCloser {
    void operator()(std::FILE* pFile) const { std::fclose(pFile); }
};

}  // namespace

BOOL CSiteConfig::Load() {
    return Load(kConfigPath);
}

BOOL CSiteConfig::Load(const char* pszPath) {
    Clear();
    // Binary mode on every build: the text-mode translation of the Windows C runtime is
    // done by LoadFromBuffer, so that the native build reads exactly the same lines.
    std::unique_ptr<std::FILE, FileCloser> pFile(std::fopen(pszPath, "rb"));
    if (!pFile) return FALSE;
    std::vector<char> data;
    char chunk[4096];
    size_t nRead;
    while ((nRead = std::fread(chunk, 1, sizeof chunk, pFile.get())) > 0) {
        data.insert(data.end(), chunk, chunk + nRead);
    }
    pFile.reset();
    LoadFromBuffer(data.data(), data.size());
    return TRUE;
}

void CSiteConfig::LoadFromBuffer(const char* pData, size_t nSize) {
    Clear();
    // Text mode as the Windows C runtime reads it: a carriage return right before a line
    // feed is dropped, a lone one is kept, and Ctrl+Z ends the file. Then fgets: a line
    // ends after its line feed or after 1023 bytes, whichever comes first.
    char line[kLineBufferSize];
    int nLength = 0;
    for (size_t i = 0; i < nSize; ++i) {
        char ch = pData[i];
        if (ch == kCtrlZ) break;
        if (ch == '\r' && i + 1 < nSize && pData[i + 1] == '\n') continue;
        line[nLength++] = ch;
        if (ch == '\n' || nLength == kLineBufferSize - 1) {
            line[nLength] = '\0';
            AddLine(line);
            nLength = 0;
        }
    }
    if (nLength > 0) {
        line[nLength] = '\0';
        AddLine(line);
    }
    m_pCurrentSection = FindSection("main");
}

void CSiteConfig::AddLine(char* pszLine) {
    // "=" counts as a blank, up to the line's first zero byte (where fgets's caller sees
    // the line end).
    for (char* p = pszLine; *p != '\0'; ++p) {
        if (*p == '=') *p = ' ';
    }
    auto pLine = std::make_unique<CTokenLine>(pszLine);
    if (pLine->GetCount() == 0) return;
    CTokenLine* pAdded = pLine.get();
    m_lines.push_back(std::move(pLine));

    const char* pszFirst = pAdded->GetTokenText(0);
    size_t nHead = std::strlen(pszFirst);
    if (nHead > kMaxHeaderBytes) nHead = kMaxHeaderBytes;
    if (nHead >= 2 && pszFirst[0] == '[' && pszFirst[nHead - 1] == ']') {
        CString strName(pszFirst + 1, static_cast<int>(nHead) - 2);
        auto pSection = std::make_unique<CConfigSection>(strName);
        m_pCurrentSection = pSection.get();
        m_sections.push_back(std::move(pSection));
        // A repeated name is a section of its own, but lookups by name find the first.
        if (FindSection(strName) == nullptr) m_sectionIndex.Insert(strName, m_pCurrentSection);
        return;
    }
    // Lines before the first header belong to no section.
    if (m_pCurrentSection != nullptr) m_pCurrentSection->AddLine(pAdded);
}

CConfigSection* CSiteConfig::GetSection(int i) const {
    if (i < 0 || i >= GetSectionCount()) return nullptr;
    return m_sections[static_cast<size_t>(i)].get();
}

CConfigSection* CSiteConfig::FindSection(const char* pszName) const {
    return static_cast<CConfigSection*>(m_sectionIndex.Find(pszName));
}

CTokenLine* CSiteConfig::GetLine(int i) const {
    if (i < 0 || i >= GetLineCount()) return nullptr;
    return m_lines[static_cast<size_t>(i)].get();
}

void CSiteConfig::Clear() {
    m_pCurrentSection = nullptr;
    m_sectionIndex.Clear();
    m_sections.clear();
    m_lines.clear();
}
