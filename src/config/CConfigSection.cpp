#include "CConfigSection.h"

CTokenLine* CConfigSection::GetLine(int i) const {
    if (i < 0 || i >= GetLineCount()) return nullptr;
    return m_lines[static_cast<size_t>(i)];
}

CTokenLine* CConfigSection::FindLine(const char* pszKey) const {
    return static_cast<CTokenLine*>(m_keys.Find(pszKey));
}

CString CConfigSection::GetValue(const char* pszKey) const {
    CTokenLine* pLine = FindLine(pszKey);
    if (pLine == nullptr || pLine->GetCount() < 2) return CString();
    return pLine->GetToken(1);
}

void CConfigSection::AddLine(CTokenLine* pLine) {
    m_keys.Insert(pLine->GetTokenText(0), pLine);
    m_lines.push_back(pLine);
}
