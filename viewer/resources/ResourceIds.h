// The numbers of the program's own resources.
#pragma once

#define IDS_APP_TITLE 1
#define IDS_INDEXED 40020
