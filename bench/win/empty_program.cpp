// The cheapest Windows program: what `Kavrin.scr /p` is measured against.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
