// Dialog templates of the test program, registered by DialogTestResources.cpp.
#pragma once

#define IDD_TEST_ABOUT 113
#define IDD_TEST_FORM 9101
#define IDD_TEST_PLAIN 9102
#define IDD_TEST_BROKEN 9103
#define IDC_NAME 1101
#define IDC_APPLY 1102
#define IDC_DONE 1103
#define IDC_PICTURE 1104
#define IDC_VERSION 1105
