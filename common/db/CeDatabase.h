// One object store database: its handle, current record, cached record count, a reusable
// read buffer, and the listener its change notifications go to. Each open is registered
// under a token of its own, which its notifications carry: one still queued when that open
// has ended (closed, reopened, destroyed) finds no database and is only freed.
#pragma once

#include <windows.h>
#include <windbase.h>

#include "db/DbNotifListener.h"

namespace Nevo {

// A plain class: copies share the handle and the read buffer, so only one copy may close.
class CeDatabase {
public:
    explicit CeDatabase(CEOID oid = 0, const CEGUID* guid = nullptr);
    ~CeDatabase();

    int open(const WCHAR* name, CEPROPID sortPropid, DbNotifListener* listener);
    void close();
    void releaseCache();
    int isOpen() const { return m_handle != INVALID_HANDLE_VALUE; }

    HANDLE getHandle() const { return m_handle; }
    CEOID getOid() const { return m_oid; }
    CEGUID* getGuid() { return &m_guid; }
    CEOID getCurrentOid() const { return m_currentOid; }
    DWORD getCurrentIndex() const { return m_currentIndex; }

    // The values stay valid until the next read, releaseCache or close.
    CEPROPVAL* read(WORD* count, CEOID* oid, CEPROPID* propids);
    CEPROPVAL* read(CEOID* oid, WORD* count);
    CEPROPVAL* read(WORD count, CEOID* oid, CEPROPID id1, CEPROPID id2, CEPROPID id3, CEPROPID id4);
    CEPROPVAL* read(CEOID* oid, CEPROPID id1);
    CEPROPVAL* read(CEOID* oid, CEPROPID id1, CEPROPID id2);
    CEPROPVAL* read(CEOID* oid, CEPROPID id1, CEPROPID id2, CEPROPID id3);
    CEPROPVAL* read(CEOID* oid, CEPROPID id1, CEPROPID id2, CEPROPID id3, CEPROPID id4);

    CEOID seek(DWORD seekType, DWORD value, DWORD* index);
    CEOID seekValue(DWORD seekType, CEPROPID propid, DWORD value);
    // A seek by value with the whole key (strings, file times), which a 32-bit value cannot carry.
    CEOID seekValue(DWORD seekType, const CEPROPVAL* key);
    CEOID seekToIndex(DWORD index);
    CEOID seekToOid(CEOID oid);
    CEOID seekNext();

    CEOID write(CEOID oid, WORD count, CEPROPVAL* values);
    int deleteRecord(CEOID oid);
    // The whole count (a store may hold more than 65,535 records), read once and then kept
    // by write, deleteRecord and the notifications.
    DWORD getNumRecords() const;
    void create(const WCHAR* name, WORD sortCount, const SORTORDERSPEC* sorts, DWORD type);
    int getInfo(CEOIDINFO* info);
    int handleNotification(HWND window, CENOTIFICATION* notification);
    // What the main window does with WM_DBNOTIFICATION: hands the notification to the open
    // that asked for it, or frees it when that open is gone (0 then).
    static int dispatchNotification(HWND window, CENOTIFICATION* notification);

private:
    void initNotifyRequest(CENOTIFYREQUEST* request);
    void forgetPosition();
    void endRegistration();
    CEOID seekTo(DWORD seekType, DWORD_PTR value, DWORD* index);

    HANDLE m_handle;
    CEOID m_oid;
    CEOID m_currentOid;
    DWORD m_currentIndex;
    LPBYTE m_readBuffer;
    DWORD m_readBufferSize;
    CEGUID m_guid;
    mutable DWORD m_recordCount;
    DbNotifListener* m_listener;
    // The current open's registry token; 0 while none is registered.
    DWORD_PTR m_token;
};

}  // namespace Nevo
