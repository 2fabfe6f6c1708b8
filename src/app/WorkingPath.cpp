#include "WorkingPath.h"

char g_szWorkingDirectory[kMaxPathBytes];

CString GetWorkingPath(CString name) {
    return JoinWorkingPath(g_szWorkingDirectory, name);
}
