#include "ButtonGeometry.h"

namespace {

constexpr int kMargin = 3;

int Centred(int start, int space, int size) {
    return start + (space - size) / 2;
}

}  // namespace

IconLayout PlaceIcon(const PixelRect& item, int nIconWidth, int nIconHeight, int nAlign,
                     bool bHasCaption, bool bPressedPushButton) {
    IconLayout layout{item, item};
    PixelRect& icon = layout.icon;
    PixelRect& caption = layout.caption;
    switch (nAlign) {
        case IconAbove:
            icon.left = Centred(item.left, item.Width(), nIconWidth);
            if (bHasCaption) {
                icon.top = kMargin;
                caption.top += nIconHeight;
            } else {
                icon.top = Centred(item.top, item.Height(), nIconHeight);
            }
            break;
        case IconRight:
            if (bHasCaption) {
                caption.right = caption.Width() - nIconWidth - kMargin;
                caption.left = kMargin;
                icon.left = item.right - nIconWidth - kMargin;
                icon.top = Centred(item.top, item.Height(), nIconHeight);
            } else {
                icon.left = Centred(item.left, item.Width(), nIconWidth);
            }
            break;
        default:  // IconLeft
            if (bHasCaption) {
                icon.left = item.left + kMargin;
                caption.left += nIconWidth + kMargin;
            } else {
                icon.left = Centred(item.left, item.Width(), nIconWidth);
            }
            icon.top = Centred(item.top, item.Height(), nIconHeight);
            break;
    }
    if (bPressedPushButton) {
        icon.left += 1;
        icon.top += 1;
    }
    icon.right = icon.left + nIconWidth;
    icon.bottom = icon.top + nIconHeight;
    return layout;
}

int ImageCell(bool bPressed, bool bHover) {
    if (bPressed) return 3;
    return bHover ? 2 : 0;
}
