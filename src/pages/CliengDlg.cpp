#include "CliengDlg.h"

CCliengDlg* g_pCliengDlg = nullptr;
int g_bGamePageShown = 1;

CCliengDlg::CCliengDlg() : CDialog(150) {}
