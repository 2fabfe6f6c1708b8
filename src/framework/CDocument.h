// The data a frame and its view show. The framework has no serialization: a
// document class decides itself what opening a file means.
#pragma once

#include "CCmdTarget.h"
#include "CString.h"

class CDocument : public CCmdTarget {
public:
    virtual BOOL OnNewDocument();
    // The base class cannot read files: it refuses.
    virtual BOOL OnOpenDocument(LPCSTR lpszPathName);
    virtual void DeleteContents() {}

    // the file the document came from; it becomes the document's title
    void SetPathName(LPCSTR lpszPathName);
    const CString& GetPathName() const { return m_strPathName; }
    const CString& GetTitle() const { return m_strTitle; }
    void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }
    BOOL IsModified() const { return m_bModified; }

private:
    CString m_strPathName;
    CString m_strTitle;
    BOOL m_bModified = FALSE;
};
