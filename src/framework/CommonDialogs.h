// The system's common dialogs, their DLL loaded when one is first shown: the
// launcher's start-up does not pay for a DLL it may never use.
#pragma once

#include <windows.h>

#include <commdlg.h>

// As ChooseColorA, GetOpenFileNameA and PrintDlgA; FALSE also when the DLL cannot
// be loaded.
BOOL AfxChooseColor(CHOOSECOLORA* pcc);
BOOL AfxGetOpenFileName(OPENFILENAMEA* pofn);
BOOL AfxPrintDlg(PRINTDLGA* ppd);
