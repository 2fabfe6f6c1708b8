// The one application object of the launcher.
#include "PlatformApp.h"

CPlatformApp theApp;
