// Deleting a CWnd whose window is alive.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "TestWindow.h"

// Frees of one watched block, seen by the program's own operator delete: a second
// delete of an object shows even when only its base class's destructor ran.
namespace {
void* g_pWatched = nullptr;
int g_nWatchedFrees = 0;
void FreeBlock(void* p) {
    if (p && p == g_pWatched) g_nWatchedFrees++;
    std::free(p);
}
}  // namespace

void* operator new(std::size_t n) {
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    FreeBlock(p);
}
void operator delete(void* p, std::size_t) noexcept {
    FreeBlock(p);
}

namespace {

int g_nDestroyed = 0;  // OnDestroy calls of the derived class
int g_nDeleted = 0;    // destructor calls

class Tracked : public CWnd {
public:
    ~Tracked() override { g_nDeleted++; }
    void OnDestroy() {
        g_nDestroyed++;
        CWnd::OnDestroy();
    }

protected:
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(Tracked, CWnd)
ON_WM_DESTROY()
END_MESSAGE_MAP()

Tracked* NewWindow(bool bAutoDelete) {
    auto* pWnd = new Tracked;
    EXPECT_TRUE(CreateTestWindow(*pWnd));
    if (bAutoDelete) pWnd->SetAutoDelete();
    g_nDestroyed = g_nDeleted = g_nWatchedFrees = 0;
    g_pWatched = pWnd;
    return pWnd;
}

TEST(Lifetime, TheOwnerDestroysTheWindowWhileTheWholeObjectStillHandlesIt) {
    for (bool bAutoDelete : {false, true}) {
        CWndPtr<Tracked> pWnd(NewWindow(bAutoDelete));
        HWND hWnd = pWnd->m_hWnd;
        pWnd.reset();
        EXPECT_FALSE(::IsWindow(hWnd));
        EXPECT_EQ(g_nDestroyed, 1) << bAutoDelete;
        EXPECT_EQ(g_nDeleted, 1) << bAutoDelete;
        EXPECT_EQ(g_nWatchedFrees, 1) << bAutoDelete;
    }
}

TEST(Lifetime, DeletingAnAutoDeletingObjectWithItsWindowAliveDeletesItOnce) {
    Tracked* pWnd = NewWindow(true);
    HWND hWnd = pWnd->m_hWnd;
    delete pWnd;
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(g_nDeleted, 1);
    EXPECT_EQ(g_nWatchedFrees, 1);
}

}  // namespace
