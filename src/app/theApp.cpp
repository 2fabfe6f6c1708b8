// The one application object of the launcher. The executable links every layer,
// so this is where the workspace is named.
#include "PlatformApp.h"
#include "Workspace.h"

CPlatformApp theApp(RUNTIME_CLASS(CWorkspace));
