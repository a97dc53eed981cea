// Resource ids of Kavrin.scr, shared by Kavrin.rc and the C++ code.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Dialogs
#define IDD_ABOUT 100
#define IDD_CONFIG 102

// Controls (IDOK 1 and IDCANCEL 2 are the system's)
#define IDC_ABOUT 3
#define IDC_EXE_PATH 1000
#define IDC_BROWSE_EXE 1001
#define IDC_DEMO_PATH 1002
#define IDC_BROWSE_DEMOS 1003
#define IDC_DEMO_LIST 1005
#define IDC_ADD 1006
#define IDC_REMOVE 1007
#define IDC_DEMO_COUNT 1008
#define IDC_MOD_DIR 1009
#define IDC_PLAY_NOTE 1010
#define IDC_MEND 1011

// Strings
#define IDS_DESCRIPTION 1
#define IDS_ABOUT_MENU 101

// Icons
#define IDI_APP 128

// Menu commands
#define IDM_ABOUT 16
