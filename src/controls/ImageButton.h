// A button drawn entirely from one picture: a strip of four equal cells, one of
// which it shows, scaled to the button, by its state (normal, unused, under the
// pointer, pressed). Hover, focus and clicks behave as for the bitmap button.
#pragma once

#include "ButtonST.h"
#include "Skin.h"

class CImageButton : public CButtonST {
public:
    CImageButton() = default;
    ~CImageButton() override = default;

    void PreSubclassWindow() override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    BOOL OnEraseBkgnd(CDC* pDC);

    SkinPicture m_picture;  // the strip; set up by the owner before the button shows
    int m_nCellWidth = 0;
    int m_nCellHeight = 0;

protected:
    DECLARE_MESSAGE_MAP()
};
