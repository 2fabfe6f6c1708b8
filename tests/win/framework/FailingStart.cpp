// A program whose start-up fails with an exception, for the start-up test.
#include <new>

#include "CWinApp.h"

class FailingApp : public CWinApp {
public:
    BOOL InitInstance() override { throw std::bad_alloc(); }
};

FailingApp theApp;
