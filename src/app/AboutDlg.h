// The about box.
#pragma once

#include "CDialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
};
