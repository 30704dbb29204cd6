// The object store's databases: the handheld's constants, structures and calls (CEDB), laid
// out for this host's Win64 data model. Volumes, records, sort orders and notifications.
#pragma once

#include <cstring>

#include "windef.h"

// Object identifiers: databases and records share one space per volume; 0 is none.
using CEOID = DWORD;
using PCEOID = CEOID*;

// A volume identifier. The object store is the all-zero GUID; all bits set asks for every
// mounted volume (here there is only the object store).
struct CEGUID {
    DWORD Data1;
    DWORD Data2;
    DWORD Data3;
    DWORD Data4;
};
using PCEGUID = CEGUID*;

#define CREATE_SYSTEMGUID(pguid) (std::memset((pguid), 0, sizeof(CEGUID)))
#define CREATE_INVALIDGUID(pguid) (std::memset((pguid), -1, sizeof(CEGUID)))
#define CHECK_SYSTEMGUID(pguid) \
    (!((pguid)->Data1 | (pguid)->Data2 | (pguid)->Data3 | (pguid)->Data4))
#define CHECK_INVALIDGUID(pguid) \
    (((pguid)->Data1 & (pguid)->Data2 & (pguid)->Data3 & (pguid)->Data4) == 0xFFFFFFFFu)

// Property ids: the id in the high word, the value's type (CEVT_*) in the low word.
using CEPROPID = DWORD;
using PCEPROPID = CEPROPID*;
#define TypeFromPropID(propid) LOWORD(propid)
#define PROP_TAG(type, id) ((static_cast<DWORD>(id) << 16) | static_cast<DWORD>(type))

#define CEVT_I2 2
#define CEVT_I4 3
#define CEVT_R8 5
#define CEVT_BOOL 11
#define CEVT_UI2 18
#define CEVT_UI4 19
#define CEVT_LPWSTR 31
#define CEVT_FILETIME 64
#define CEVT_BLOB 65

struct CEBLOB {
    DWORD dwCount;
    LPBYTE lpb;
};

// A property's value. The blob's address makes the union 16 bytes on this host.
union CEVALUNION {
    SHORT iVal;
    USHORT uiVal;
    LONG lVal;
    ULONG ulVal;
    FILETIME filetime;
    LPWSTR lpwstr;
    CEBLOB blob;
    BOOL boolVal;
    double dblVal;
};

// wFlags: a requested property the record lacks / a property a write removes.
#define CEDB_PROPNOTFOUND 0x0100
#define CEDB_PROPDELETE 0x0200

struct CEPROPVAL {
    CEPROPID propid;
    WORD wLenData;  // not used; written as 0
    WORD wFlags;
    CEVALUNION val;
};
using PCEPROPVAL = CEPROPVAL*;

// Limits.
#define CEDB_MAXDBASENAMELEN 32
#define CEDB_MAXSORTORDER 4
#define CEDB_MAXDATABLOCKSIZE 4092
#define CEDB_MAXPROPDATASIZE (CEDB_MAXDATABLOCKSIZE * 16 - 1)
#define CEDB_MAXRECORDSIZE (128 * 1024)
#define CEDB_MAXNUMRECORDS 0xFFFF

// Sort order flags.
#define CEDB_SORT_DESCENDING 0x00000001
#define CEDB_SORT_CASEINSENSITIVE 0x00000002
#define CEDB_SORT_UNKNOWNFIRST 0x00000004
#define CEDB_SORT_GENERICORDER 0x00000008

struct SORTORDERSPEC {
    CEPROPID propid;
    DWORD dwFlags;
};

#define CEDB_MAXSORTPROP 3
#define SORTORDERSPECEX_VERSION 1
struct SORTORDERSPECEX {
    WORD wVersion;
    WORD wNumProps;
    WORD wKeyFlags;
    WORD wReserved;
    CEPROPID rgPropID[CEDB_MAXSORTPROP];
    DWORD rgdwFlags[CEDB_MAXSORTPROP];
};

// CEDBASEINFO.dwFlags: which members are valid.
#define CEDB_VALIDNAME 0x0001
#define CEDB_VALIDTYPE 0x0002
#define CEDB_VALIDSORTSPEC 0x0004
#define CEDB_VALIDMODTIME 0x0008
#define CEDB_VALIDDBFLAGS 0x0010
#define CEDB_VALIDCREATE (CEDB_VALIDNAME | CEDB_VALIDTYPE | CEDB_VALIDSORTSPEC | CEDB_VALIDDBFLAGS)
#define CEDB_NOCOMPRESS 0x00010000
#define CEDB_SYSTEMDB 0x00020000

struct CEDBASEINFO {
    DWORD dwFlags;
    WCHAR szDbaseName[CEDB_MAXDBASENAMELEN];
    DWORD dwDbaseType;
    WORD wNumRecords;  // the low 16 bits when a database holds more than 65,535 records
    WORD wNumSortOrder;
    DWORD dwSize;  // 20 bytes per record, 4 per property, plus the values' data
    FILETIME ftLastModified;  // UTC
    SORTORDERSPEC rgSortSpecs[CEDB_MAXSORTORDER];
};

#define CEDBASEINFOEX_VERSION 1
struct CEDBASEINFOEX {
    WORD wVersion;
    WORD wNumSortOrder;
    DWORD dwFlags;
    WCHAR szDbaseName[CEDB_MAXDBASENAMELEN];
    DWORD dwDbaseType;
    DWORD dwNumRecords;
    DWORD dwSize;
    FILETIME ftLastModified;
    SORTORDERSPECEX rgSortSpecs[CEDB_MAXSORTORDER];
};

// What an OID names.
#define OBJTYPE_INVALID 0
#define OBJTYPE_FILE 1
#define OBJTYPE_DIRECTORY 2
#define OBJTYPE_DATABASE 3
#define OBJTYPE_RECORD 4

#ifndef MAX_PATH
#define MAX_PATH 260
#endif

struct CEFILEINFO {
    DWORD dwAttributes;
    CEOID oidParent;
    WCHAR szFileName[MAX_PATH];
    FILETIME ftLastChanged;
    DWORD dwLength;
};

struct CEDIRINFO {
    DWORD dwAttributes;
    CEOID oidParent;
    WCHAR szDirName[MAX_PATH];
};

struct CERECORDINFO {
    CEOID oidParent;  // the record's database
};

struct CEOIDINFO {
    WORD wObjType;
    WORD wPad;
    union {
        CEFILEINFO infFile;
        CEDIRINFO infDirectory;
        CEDBASEINFO infDatabase;
        CERECORDINFO infRecord;
    };
};

#define CEOIDINFOEX_VERSION 1
struct CEOIDINFOEX {
    WORD wVersion;
    WORD wObjType;
    union {
        CEFILEINFO infFile;
        CEDIRINFO infDirectory;
        CEDBASEINFOEX infDatabase;
        CERECORDINFO infRecord;
    };
};

// Open flags.
#define CEDB_AUTOINCREMENT 0x00000001

// Read flags.
#define CEDB_ALLOWREALLOC 0x00000001

// Seek types. Value seeks take the address of a CEPROPVAL of the sort property.
#define CEDB_SEEK_CEOID 0x00000001
#define CEDB_SEEK_BEGINNING 0x00000002
#define CEDB_SEEK_END 0x00000004
#define CEDB_SEEK_CURRENT 0x00000008
#define CEDB_SEEK_VALUESMALLER 0x00000010
#define CEDB_SEEK_VALUEFIRSTEQUAL 0x00000020
#define CEDB_SEEK_VALUEGREATER 0x00000040
#define CEDB_SEEK_VALUENEXTEQUAL 0x00000080

// Notifications: WM_DBNOTIFICATION (winuser.h) carries a CENOTIFICATION in lParam.
#define CEDB_EXNOTIFICATION 0x00000001
#define DB_CEOID_CREATED 0x0401
#define DB_CEOID_DATABASE_DELETED 0x0402
#define DB_CEOID_RECORD_DELETED 0x0403
#define DB_CEOID_FILE_DELETED 0x0404
#define DB_CEOID_DIRECTORY_DELETED 0x0405
#define DB_CEOID_CHANGED 0x0406

// dwParam holds an address on the handheld (the owner of the request), so it is
// pointer-sized here.
struct CENOTIFYREQUEST {
    DWORD dwSize;
    HWND hwnd;
    DWORD dwFlags;
    HANDLE hHeap;  // where notifications are allocated; null is the local heap
    DWORD_PTR dwParam;
};
using PCENOTIFYREQUEST = CENOTIFYREQUEST*;

struct CENOTIFICATION {
    DWORD dwSize;
    DWORD_PTR dwParam;
    UINT uType;
    CEGUID guid;
    CEOID oid;
    CEOID oidParent;
};
using PCENOTIFICATION = CENOTIFICATION*;

// Databases. Failures set the last error; opening fails with INVALID_HANDLE_VALUE.
// Volume arguments may be null (the object store); names may be up to 31 characters.
HANDLE CeOpenDatabaseEx(PCEGUID pguid, PCEOID poid, LPCWSTR lpszName, CEPROPID propid, DWORD dwFlags,
                        CENOTIFYREQUEST* pRequest);
CEOID CeCreateDatabaseEx(PCEGUID pguid, CEDBASEINFO* pInfo);
CEOID CeCreateDatabase(LPCWSTR lpszName, DWORD dwDbaseType, WORD wNumSortOrder, SORTORDERSPEC* rgSortSpecs);
BOOL CeDeleteDatabase(CEOID oidDbase);
BOOL CeDeleteDatabaseEx(PCEGUID pguid, CEOID oidDbase);

// dwValue is a count, an OID or the address of a CEPROPVAL, so it is pointer-sized; counts
// keep 32-bit behaviour (CURRENT takes a LONG cast to DWORD).
CEOID CeSeekDatabase(HANDLE hDatabase, DWORD dwSeekType, DWORD_PTR dwValue, LPDWORD lpdwIndex);

// Reads the current record into one block: the CEPROPVAL array followed by the strings and
// BLOBs it points to. rgPropID null reads every property.
CEOID CeReadRecordPropsEx(HANDLE hDbase, DWORD dwFlags, WORD* lpcPropID, CEPROPID* rgPropID, LPBYTE* lplpBuffer,
                          LPDWORD lpcbBuffer, HANDLE hHeap);
CEOID CeReadRecordProps(HANDLE hDbase, DWORD dwFlags, WORD* lpcPropID, CEPROPID* rgPropID, LPBYTE* lplpBuffer,
                        LPDWORD lpcbBuffer);
CEOID CeWriteRecordProps(HANDLE hDbase, CEOID oidRecord, WORD cPropID, CEPROPVAL* rgPropVal);
BOOL CeDeleteRecord(HANDLE hDatabase, CEOID oidRecord);

// Enumeration: the handle is closed with CloseHandle.
HANDLE CeFindFirstDatabaseEx(PCEGUID pguid, DWORD dwDbaseType);
CEOID CeFindNextDatabaseEx(HANDLE hEnum, PCEGUID pguid);

BOOL CeOidGetInfo(CEOID oid, CEOIDINFO* oidInfo);
BOOL CeOidGetInfoEx(PCEGUID pguid, CEOID oid, CEOIDINFO* oidInfo);
BOOL CeOidGetInfoEx2(PCEGUID pguid, CEOID oid, CEOIDINFOEX* oidInfo);

BOOL CeFreeNotification(PCENOTIFYREQUEST pRequest, PCENOTIFICATION pNotify);
