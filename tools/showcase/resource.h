// Resource ids of the showcase.
#pragma once

#define IDS_TITLE 100
#define IDS_HINT 101
#define IDS_TAGGED 102
#define IDS_SELECTED 103
#define IDS_DELETE_QUESTION 104
#define IDS_DELETED 105
#define IDS_KEPT 106
#define IDB_ARROW_UP 200
#define IDB_ARROW_UP_MASK 201
#define IDB_ARROW_DOWN 202
#define IDB_ARROW_DOWN_MASK 203
#define IDR_MENUBAR 300
#define IDA_MAIN 310
#define IDD_ABOUT 320
#define IDC_VERSION 321
#define IDM_TAG 400
#define IDM_DELETE 401
#define IDM_ABOUT 402
#define IDM_QUIT 403
