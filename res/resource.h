// Resource ids of Zorvane.exe. Shared by Zorvane.rc and the C++ code, so
// nothing but plain #defines may live here.
#ifndef ZORVANE_RES_RESOURCE_H
#define ZORVANE_RES_RESOURCE_H

// Dialog templates
#define IDD_ZORVANE_DIALOG 102
#define IDD_ABOUTBOX 135

// Tray menu (one popup)
#define IDR_TRAY_MENU 130

// Icons and cursor
#define IDI_APP 128
#define IDI_FINDER 133
#define IDI_EXIT 134
#define IDCUR_FINDER 131

// String table
#define IDS_ABOUTBOX 101
#define IDS_ABOUT_TEXT 102
#define IDS_FINDER_TIP 103

// Custom resources: the persisted hotkey (type "HOTKEY") and the embedded
// updater program (type "EXE")
#define IDR_HOTKEY_MODIFIERS 141
#define IDR_HOTKEY_VIRTUAL_KEY 143
#define IDR_UPDATER_EXE 161

// Controls of the main dialog
#define IDC_FINDER 1001
#define IDC_HOTKEY 1004
#define IDC_SET_LOCK 1005
#define IDC_HOTKEY_GROUP 1006
#define IDC_FINDER_GROUP 1011
#define IDC_MAKER 1012

// Controls of the About box
#define IDC_ABOUT_EMAIL 1008
#define IDC_ABOUT_TEXT 1009

// Tray menu commands
#define ID_TRAY_EXIT 32771
#define ID_TRAY_ABOUT 32772
#define ID_TRAY_SHOW 32774

// System-menu command; the system reserves the low four bits of such ids
#define IDM_ABOUTBOX 0x0010

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#endif  // ZORVANE_RES_RESOURCE_H
