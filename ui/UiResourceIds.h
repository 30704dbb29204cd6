// Resource ids of nevo_ui's own table: the built-in images and the strings programs borrow.
#pragma once

#define IDB_ARROWHEAD_DOWN 115
#define IDB_ARROWHEAD_UP 116
#define IDB_ARROW_DOWN_32 120
#define IDB_ARROW_DOWN_32_MASK 121
#define IDB_ARROW_UP_32 102
#define IDB_ARROW_UP_32_MASK 103
#define IDB_ARROW_DOWN_16 104
#define IDB_ARROW_DOWN_16_MASK 105
#define IDB_ARROW_UP_16 122
#define IDB_ARROW_UP_16_MASK 123
#define IDB_ARROW_DOWN_11 126
#define IDB_ARROW_DOWN_11_MASK 106
#define IDB_ARROW_UP_11 124
#define IDB_ARROW_UP_11_MASK 125

// The page buttons' tap-and-hold commands load these through the application's resource
// loader, which falls back to this library: the ids are the commands' own.
#define IDS_HOME 40040
#define IDS_END 40041
