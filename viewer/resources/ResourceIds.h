// The numbers of the program's own resources. Commands of the bars are the numbers of their
// own texts.
#pragma once

// The frame's: title and window class, menu bar, accelerators and icon share number 1.
#define IDR_MAINFRAME 1
#define IDS_APP_TITLE 1
#define IDI_MAINFRAME 1

// The catalogue's.
#define IDS_DELETE_DB 6
#define IDR_CATALOGUE_MENUBAR 103
#define IDM_SORT_BY_NAME 40005
#define IDM_SORT_BY_SIZE 40006
#define IDM_SORT_BY_RECORDS 40007
#define IDM_REFRESH 40010

// The record browser's.
#define IDR_RECORD_MENUBAR 106
#define IDS_BACK 40013
#define IDS_PREV 40014
#define IDS_NEXT 40015
#define IDS_RESORT 40017
#define IDS_PROPID 40018
#define IDS_NO_MORE_RECORDS 40019
#define IDS_INDEXED 40020
#define IDS_CHECK_DUPLICATES 40022
#define IDS_NO_DUPLICATE 40030
#define IDS_RECORD_HEADER 40035
#define IDS_RECORD_END 40043
#define IDS_RECORD_HOME 40044
// Resort's entries: the first sort order's, and one each after it.
#define IDM_RESORT_FIRST 101
#define IDM_RESORT_LAST 105

// The duplicate list's.
#define IDR_DUPLICATE_MENUBAR 112
#define IDS_TAG 40023
#define IDS_DELETE 40024
#define IDS_DUPLICATES_FOUND 40025
#define IDS_DUP_BACK 40026
#define IDS_TAG_ALL 40027
#define IDS_TAG_NONE 40028
#define IDS_DELETE_QUESTION 40031
#define IDS_NOTHING_TAGGED 40032
#define IDS_DELETED 40033
#define IDS_VIEW 40042

// Shared.
#define IDM_ABOUT 40001
#define IDS_HELP_FILE 40034

// Accelerators (all with Ctrl): only Ctrl+Q does something.
#define IDM_CTRL_E 25000
#define IDM_CTRL_F 25001
#define IDM_CTRL_M 25002
#define IDM_QUIT 25003
#define IDM_CTRL_T 25004

// The About box.
#define IDD_ABOUT 113
#define IDB_ABOUT 114
#define IDC_ABOUT_NOTICE 1000
#define IDC_ABOUT_VERSION 1001
#define IDC_ABOUT_NAME 1002
