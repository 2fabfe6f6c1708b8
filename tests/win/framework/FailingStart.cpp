// A program whose start-up fails, for the start-up test: with no argument its
// InitInstance raises, with one its main window cannot be made.
#include <new>

#include "CCommandLineInfo.h"
#include "CDocument.h"
#include "CFrameWnd.h"
#include "CSingleDocTemplate.h"
#include "CWinApp.h"

class FailingDoc : public CDocument {
    DECLARE_DYNCREATE(FailingDoc)
};
IMPLEMENT_DYNCREATE(FailingDoc)

// refused before its window exists, as a frame is where the system cannot show one
class UnmadeFrame : public CFrameWnd {
    DECLARE_DYNCREATE(UnmadeFrame)

public:
    BOOL PreCreateWindow(CREATESTRUCTA&) override { return FALSE; }
};
IMPLEMENT_DYNCREATE(UnmadeFrame)

class FailingApp : public CWinApp {
public:
    BOOL InitInstance() override {
        if (__argc < 2) throw std::bad_alloc();
        AddDocTemplate(new CSingleDocTemplate(1, RUNTIME_CLASS(FailingDoc),
                                              RUNTIME_CLASS(UnmadeFrame), nullptr));
        CCommandLineInfo cmdInfo;
        return ProcessShellCommand(cmdInfo);
    }
};

FailingApp theApp;
