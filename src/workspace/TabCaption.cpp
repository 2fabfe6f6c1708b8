#include "TabCaption.h"

namespace {
bool IsLeadByte(char ch) {
    const unsigned char byte = static_cast<unsigned char>(ch);
    return byte >= 0x81 && byte <= 0xFE;
}
}  // namespace

int CaptionByteBudget(int budgetPixels) {
    return budgetPixels * 2 / 20;
}

CString FitCaption(const CString& caption, int budgetPixels) {
    const int n = CaptionByteBudget(budgetPixels);
    if (n <= 3) return CString();
    const int length = caption.GetLength();
    if (length <= n) return caption;
    // a character that starts at n - 4 is kept whole, so the prefix may take n - 2 bytes
    int p = 0;
    while (p < n - 3) {
        p += (IsLeadByte(caption.GetAt(p)) && p + 1 < length) ? 2 : 1;
    }
    return caption.Left(p) + "...";
}
