#include "CSingleDocTemplate.h"

#include "CDocument.h"
#include "CFrameWnd.h"
#include "CWinApp.h"
#include "afxres.h"

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, const CRuntimeClass* pDocClass,
                                       const CRuntimeClass* pFrameClass,
                                       const CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource),
      m_pDocClass(pDocClass),
      m_pFrameClass(pFrameClass),
      m_pViewClass(pViewClass) {}

CSingleDocTemplate::~CSingleDocTemplate() = default;

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible) {
    if (!m_pDocument) return CreateFirstDocument(lpszPathName, bMakeVisible);
    // The document is already shown: it may accept or refuse, but nothing is rebuilt
    // and the view gets no second initial update. An opened file still becomes the
    // document's path and a recent file.
    CDocument* pDoc = m_pDocument.get();
    BOOL ok = lpszPathName ? pDoc->OnOpenDocument(lpszPathName) : pDoc->OnNewDocument();
    if (!ok) return nullptr;
    if (lpszPathName) pDoc->SetPathName(lpszPathName);
    return pDoc;
}

CDocument* CSingleDocTemplate::CreateFirstDocument(LPCSTR lpszPathName, BOOL bMakeVisible) {
    std::unique_ptr<CObject> pObject(m_pDocClass->CreateObject());
    if (!dynamic_cast<CDocument*>(pObject.get())) return nullptr;
    m_pDocument.reset(static_cast<CDocument*>(pObject.release()));
    CDocument* pDoc = m_pDocument.get();

    CFrameWnd* pFrame = CreateNewFrame(pDoc);
    BOOL ok = pFrame != nullptr;
    if (ok) ok = lpszPathName ? pDoc->OnOpenDocument(lpszPathName) : pDoc->OnNewDocument();
    if (!ok) {
        if (pFrame) pFrame->DestroyWindow();
        m_pDocument.reset();
        return nullptr;
    }
    if (lpszPathName) pDoc->SetPathName(lpszPathName);

    CWinApp* pApp = AfxGetApp();
    if (pApp && !pApp->m_pMainWnd) pApp->m_pMainWnd = pFrame;
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
    return pDoc;
}

CFrameWnd* CSingleDocTemplate::CreateNewFrame(CDocument* pDoc) {
    std::unique_ptr<CObject> pObject(m_pFrameClass->CreateObject());
    auto* pFrame = dynamic_cast<CFrameWnd*>(pObject.get());
    if (!pFrame) return nullptr;
    CCreateContext context;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pCurrentDoc = pDoc;
    if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr,
                           &context)) {
        return nullptr;
    }
    pObject.release();
    pFrame->SetAutoDelete();  // the frame's window owns it from now on
    return pFrame;
}
