#include "CommonDialogs.h"

namespace {

// Loaded on first use, freed when the program ends.
class CommonDialogLibrary {
public:
    ~CommonDialogLibrary() {
        if (m_hModule) ::FreeLibrary(m_hModule);
    }
    template <typename Fn>
    Fn Function(const char* name) {
        if (!m_hModule) m_hModule = ::LoadLibraryA("comdlg32.dll");
        FARPROC proc = m_hModule ? ::GetProcAddress(m_hModule, name) : nullptr;
        return reinterpret_cast<Fn>(reinterpret_cast<void*>(proc));
    }

private:
    HMODULE m_hModule = nullptr;
};

CommonDialogLibrary g_commonDialogs;

}  // namespace

BOOL AfxChooseColor(CHOOSECOLORA* pcc) {
    auto pfn = g_commonDialogs.Function<BOOL(WINAPI*)(CHOOSECOLORA*)>("ChooseColorA");
    return pfn && pfn(pcc);
}

BOOL AfxGetOpenFileName(OPENFILENAMEA* pofn) {
    auto pfn = g_commonDialogs.Function<BOOL(WINAPI*)(OPENFILENAMEA*)>("GetOpenFileNameA");
    return pfn && pfn(pofn);
}

BOOL AfxPrintDlg(PRINTDLGA* ppd) {
    auto pfn = g_commonDialogs.Function<BOOL(WINAPI*)(PRINTDLGA*)>("PrintDlgA");
    return pfn && pfn(ppd);
}
