#include "DemoApp.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return DemoApp::run(instance, showCommand);
}
