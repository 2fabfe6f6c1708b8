#include "NullDoc.h"

IMPLEMENT_DYNCREATE(CNullDoc)

BOOL CNullDoc::s_bDocumentCreated = FALSE;

BOOL CNullDoc::OnNewDocument() {
    if (s_bDocumentCreated) return FALSE;
    s_bDocumentCreated = TRUE;
    return CDocument::OnNewDocument();
}

BOOL CNullDoc::OnOpenDocument(LPCSTR) {
    return TRUE;
}
