// The entry point of Kavrin.scr: runs the application object once.
#include <windows.h>

#include "app/screen_saver_app.h"

kavrin::ScreenSaverApp theApp;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return theApp.InitInstance(); }
