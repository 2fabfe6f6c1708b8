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

    // The file the document came from, as a full path; it joins the recent-file list.
    void SetPathName(LPCSTR lpszPathName);
    const CString& GetPathName() const { return m_strPathName; }

private:
    CString m_strPathName;
};
