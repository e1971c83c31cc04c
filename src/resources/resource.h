#pragma once

// Resource and control ids. The pages reuse control numbers for different
// buttons, so a number may carry one name per role.

#define IDD_ABOUT 100
#define IDS_ABOUT 101
#define IDD_DETAIL_SETTING 102
#define IDI_APP 128
#define IDD_SELECT_OS 129
#define IDD_CREATE_PORT 138
#define IDD_SELECT_PORT 139

// System-menu command of the options page that opens the About box.
#define IDM_ABOUT 16

// Select OS radio buttons
#define IDC_WIN95 1000
#define IDC_WIN98 1001
#define IDC_WINNT4 1002
#define IDC_WIN2000 1003
#define IDC_WINXP 1004
#define IDC_WIN7 1005
#define IDC_WIN8 1006
#define IDC_WIN2003 1011
#define IDC_WINVISTA 1020

// Trackbar on Select OS and Select Port: hidden, never used.
#define IDC_SLIDER 1007

// Select OS and Detail Setting buttons
#define IDC_BACK 1008
#define IDC_NEXT 1009
#define IDC_EXIT 1010

// Detail Setting controls
#define IDC_MODEL 1011
#define IDC_DEFAULT_PRINTER 1012
#define IDC_PRINTER_NAME 1013
#define IDC_PORT 1014
#define IDC_BAUD_RATE 1015
#define IDC_DATA_BITS 1016
#define IDC_FLOW_CONTROL 1017
#define IDC_PARITY 1018
#define IDC_STOP_BITS 1019

// Select Port controls
#define IDC_CREATE_PORT 1008
#define IDC_CONFIGURE_PORT 1009
#define IDC_PORT_BACK 1010
#define IDC_PORT_LIST 1021
#define IDC_INSTALL 1022
#define IDC_PORT_CANCEL 1023
#define IDC_PROGRESS 1025

// Create Port controls
#define IDC_MONITOR_LIST 1021
#define IDC_NEW_PORT 1008
#define IDC_CLOSE_MONITORS 1009
