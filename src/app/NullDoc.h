// The launcher's document: it holds nothing. Only the first new document is
// accepted, so the workspace is built once; a file to open is accepted unread.
#pragma once

#include "CDocument.h"

class CNullDoc : public CDocument {
    DECLARE_DYNCREATE(CNullDoc)

public:
    BOOL OnNewDocument() override;
    BOOL OnOpenDocument(LPCSTR lpszPathName) override;

    // set by the first OnNewDocument of the process
    static BOOL s_bDocumentCreated;
};
