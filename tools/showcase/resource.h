// Resource ids of the showcase.
#pragma once

#define IDS_TITLE 100
#define IDS_HINT 101
#define IDS_TAGGED 102
#define IDS_SELECTED 103
#define IDB_ARROW_UP 200
#define IDB_ARROW_UP_MASK 201
#define IDB_ARROW_DOWN 202
#define IDB_ARROW_DOWN_MASK 203
