// Resource ids the test program and the test module both use, each with resources of its own.
#pragma once

#define IDS_GREETING 40020
#define IDS_MODULE_ONLY 40030
#define IDS_SECOND_TABLE 40031
#define IDS_UNKNOWN 49999
#define IDB_PICTURE 200
#define IDI_MARK 300
#define IDR_MAIN_MENU 400
#define IDM_OPEN 401
#define IDM_EXIT 402
#define IDM_SORT_NAME 403
#define IDD_ABOUT 500
#define IDA_MAIN 600
