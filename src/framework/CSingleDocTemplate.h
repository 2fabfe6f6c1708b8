// Joins one document class, one frame class and one view class. The template makes
// the one document with its frame and view the first time a document is asked for;
// after that it keeps them: a later New or Open goes to the same document and never
// builds the frame or runs the view's initial update again.
#pragma once

#include <memory>

#include "CCmdTarget.h"

class CDocument;
class CFrameWnd;

class CSingleDocTemplate : public CCmdTarget {
public:
    CSingleDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass,
                       const CRuntimeClass* pFrameClass, const CRuntimeClass* pViewClass);
    ~CSingleDocTemplate() override;

    // lpszPathName null: a new document; otherwise the document of that file.
    // Returns the document, or null when the document refused.
    CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE);

    CDocument* GetDocument() const { return m_pDocument.get(); }

private:
    CDocument* CreateFirstDocument(LPCSTR lpszPathName, BOOL bMakeVisible);
    CFrameWnd* CreateNewFrame(CDocument* pDoc);

    UINT m_nIDResource;
    const CRuntimeClass* m_pDocClass;
    const CRuntimeClass* m_pFrameClass;
    const CRuntimeClass* m_pViewClass;
    std::unique_ptr<CDocument> m_pDocument;
};
