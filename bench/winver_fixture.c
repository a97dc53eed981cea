/* Must fail bench/check_winver.py (bench/check-winver.sh): MoveFileExA is a
   stub on 9x, SHGetFolderPathA (delay-loaded) is missing from 95 and NT 4.0,
   and -march=i686 makes the minimum below a cmov. Never run: linked without
   the C runtime's start-up code, so this is all the code it holds. */
#include <windows.h>
#include <shlobj.h>

int WINAPI fixture_start(void)
{
    char path[MAX_PATH];
    int moved;
    if (SHGetFolderPathA(NULL, CSIDL_LOCAL_APPDATA, NULL, 0, path) != S_OK)
        return 1;
    moved = MoveFileExA(path, "moved", MOVEFILE_REPLACE_EXISTING);
    return moved < path[0] ? moved : path[0];
}
