// One object store database: open by name or OID, cached seeks, reads into a reusable
// buffer that only grows, writes and deletions that keep the record count, notifications.
#include "db/CeDatabase.h"

#include <cstring>
#include <unordered_map>

#include "app/App.h"
#include "app/Globals.h"
#include "core/Debug.h"
#include "core/HeapCtrl.h"

namespace Nevo {

namespace {

constexpr DWORD c_initialReadSize = 128;
constexpr DWORD c_noIndex = static_cast<DWORD>(-1);
constexpr DWORD c_unknownCount = static_cast<DWORD>(-1);
constexpr int c_maxNameLength = CEDB_MAXDBASENAMELEN - 1;

void copyName(WCHAR* buffer, const WCHAR* name) {
    wcsncpy(buffer, name ? name : u"", c_maxNameLength);
    buffer[c_maxNameLength] = 0;
}

// Token -> the open database. Tokens are never reused, so a notification queued for an open
// that has ended cannot reach a later one. One thread uses it, as every notification.
std::unordered_map<DWORD_PTR, CeDatabase*>& openDatabases() {
    static std::unordered_map<DWORD_PTR, CeDatabase*> databases;
    return databases;
}

DWORD_PTR nextToken() {
    static DWORD_PTR last = 0;
    return ++last;
}

}  // namespace

CeDatabase::CeDatabase(CEOID oid, const CEGUID* guid)
    : m_handle(INVALID_HANDLE_VALUE),
      m_oid(oid),
      m_currentOid(0),
      m_currentIndex(c_noIndex),
      m_readBuffer(nullptr),
      m_readBufferSize(0),
      m_guid{},
      m_recordCount(c_unknownCount),
      m_listener(nullptr),
      m_token(0) {
    if (guid) std::memcpy(&m_guid, guid, sizeof(CEGUID));
}

CeDatabase::~CeDatabase() {
    close();
}

int CeDatabase::open(const WCHAR* name, CEPROPID sortPropid, DbNotifListener* listener) {
    WCHAR buffer[CEDB_MAXDBASENAMELEN] = {};
    if (!m_oid) copyName(buffer, name);
    close();
    m_token = nextToken();
    openDatabases()[m_token] = this;
    CENOTIFYREQUEST request;
    initNotifyRequest(&request);
    m_listener = listener;
    m_handle = CeOpenDatabaseEx(&m_guid, &m_oid, buffer, sortPropid, 0, &request);
    m_recordCount = c_unknownCount;
    forgetPosition();
    if (isOpen()) return 1;
    endRegistration();
    Debug::trace(4, u"Can't open db %s: error %ld", name ? name : u"", static_cast<long>(GetLastError()));
    return 0;
}

void CeDatabase::close() {
    if (isOpen()) {
        CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
    }
    endRegistration();
    releaseCache();
}

void CeDatabase::endRegistration() {
    if (!m_token) return;
    auto found = openDatabases().find(m_token);
    if (found != openDatabases().end() && found->second == this) openDatabases().erase(found);
    m_token = 0;
}

void CeDatabase::forgetPosition() {
    m_currentIndex = c_noIndex;
    m_currentOid = 0;
}

void CeDatabase::releaseCache() {
    if (m_readBuffer) HeapCtrl::get(HEAP_ITEMS).free(m_readBuffer);
    m_readBuffer = nullptr;
}

CEPROPVAL* CeDatabase::read(WORD* count, CEOID* oid, CEPROPID* propids) {
    if (!m_readBuffer) {
        m_readBufferSize = c_initialReadSize;
        m_readBuffer = static_cast<LPBYTE>(HeapCtrl::get(HEAP_ITEMS).alloc(c_initialReadSize));
    }
    DWORD size = m_readBufferSize;
    for (;;) {
        m_currentOid = CeReadRecordPropsEx(m_handle, 0, count, propids, &m_readBuffer, &size, nullptr);
        if (m_currentOid || GetLastError() != ERROR_INSUFFICIENT_BUFFER) break;
        // The platform left the size it needs in `size`.
        m_readBuffer = static_cast<LPBYTE>(HeapCtrl::get(HEAP_ITEMS).realloc(m_readBuffer, static_cast<int>(size)));
        if (!m_readBuffer) break;
    }
    if (m_currentOid && size > m_readBufferSize) m_readBufferSize = size;
    if (oid) *oid = m_currentOid;
    return m_currentOid ? reinterpret_cast<CEPROPVAL*>(m_readBuffer) : nullptr;
}

CEPROPVAL* CeDatabase::read(CEOID* oid, WORD* count) {
    return read(count, oid, nullptr);
}

CEPROPVAL* CeDatabase::read(WORD count, CEOID* oid, CEPROPID id1, CEPROPID id2, CEPROPID id3, CEPROPID id4) {
    CEPROPID propids[4] = {id1, id2, id3, id4};
    return read(&count, oid, propids);
}

CEPROPVAL* CeDatabase::read(CEOID* oid, CEPROPID id1) {
    return read(1, oid, id1, 0, 0, 0);
}

CEPROPVAL* CeDatabase::read(CEOID* oid, CEPROPID id1, CEPROPID id2) {
    return read(2, oid, id1, id2, 0, 0);
}

CEPROPVAL* CeDatabase::read(CEOID* oid, CEPROPID id1, CEPROPID id2, CEPROPID id3) {
    return read(3, oid, id1, id2, id3, 0);
}

CEPROPVAL* CeDatabase::read(CEOID* oid, CEPROPID id1, CEPROPID id2, CEPROPID id3, CEPROPID id4) {
    return read(4, oid, id1, id2, id3, id4);
}

CEOID CeDatabase::seekTo(DWORD seekType, DWORD_PTR value, DWORD* index) {
    m_currentOid = CeSeekDatabase(m_handle, seekType, value, &m_currentIndex);
    if (index) *index = m_currentIndex;
    return m_currentOid;
}

CEOID CeDatabase::seek(DWORD seekType, DWORD value, DWORD* index) {
    return seekTo(seekType, value, index);
}

CEOID CeDatabase::seekValue(DWORD seekType, CEPROPID propid, DWORD value) {
    CEPROPVAL key{};
    key.propid = propid;
    key.val.ulVal = value;
    return seekTo(seekType, reinterpret_cast<DWORD_PTR>(&key), nullptr);
}

CEOID CeDatabase::seekValue(DWORD seekType, const CEPROPVAL* key) {
    return seekTo(seekType, reinterpret_cast<DWORD_PTR>(key), nullptr);
}

CEOID CeDatabase::seekToIndex(DWORD index) {
    if (m_currentIndex == index) return m_currentOid;
    return seek(CEDB_SEEK_BEGINNING, index, nullptr);
}

CEOID CeDatabase::seekToOid(CEOID oid) {
    if (m_currentOid == oid) return m_currentOid;
    return seek(CEDB_SEEK_CEOID, oid, nullptr);
}

CEOID CeDatabase::seekNext() {
    return seek(CEDB_SEEK_CURRENT, 1, nullptr);
}

// A written record may take another place in the order and move those between: the remembered
// position no longer holds.
CEOID CeDatabase::write(CEOID oid, WORD count, CEPROPVAL* values) {
    forgetPosition();
    CEOID written = CeWriteRecordProps(m_handle, oid, count, values);
    if (written && !oid && m_recordCount != c_unknownCount) ++m_recordCount;
    return written;
}

int CeDatabase::deleteRecord(CEOID oid) {
    forgetPosition();
    BOOL deleted = CeDeleteRecord(m_handle, oid);
    if (deleted && m_recordCount != c_unknownCount) --m_recordCount;
    return deleted;
}

DWORD CeDatabase::getNumRecords() const {
    if (m_recordCount == c_unknownCount) {
        // The extended information: CEDBASEINFO's count keeps only the low 16 bits.
        CEOIDINFOEX info{};
        CeOidGetInfoEx2(const_cast<CEGUID*>(&m_guid), m_oid, &info);
        m_recordCount = info.infDatabase.dwNumRecords;
    }
    return m_recordCount;
}

void CeDatabase::create(const WCHAR* name, WORD sortCount, const SORTORDERSPEC* sorts, DWORD type) {
    CEDBASEINFO info{};
    info.dwFlags = CEDB_VALIDNAME | CEDB_VALIDTYPE;
    copyName(info.szDbaseName, name);
    info.dwDbaseType = type;
    if (sortCount) {
        WORD copied = sortCount < CEDB_MAXSORTORDER ? sortCount : static_cast<WORD>(CEDB_MAXSORTORDER);
        info.dwFlags |= CEDB_VALIDSORTSPEC;
        info.wNumSortOrder = sortCount;
        std::memcpy(info.rgSortSpecs, sorts, copied * sizeof(SORTORDERSPEC));
    }
    m_oid = CeCreateDatabaseEx(&m_guid, &info);
    if (!m_oid) Debug::abort(u"Database error");
}

int CeDatabase::getInfo(CEOIDINFO* info) {
    return CeOidGetInfo(m_oid, info);
}

int CeDatabase::handleNotification(HWND, CENOTIFICATION* notification) {
    CENOTIFYREQUEST request;
    initNotifyRequest(&request);
    if (notification->uType == DB_CEOID_CREATED || notification->uType == DB_CEOID_RECORD_DELETED)
        m_recordCount = c_unknownCount;
    // Another handle's change moves records under the remembered index: a seek to it must go
    // to the platform again.
    if (notification->uType == DB_CEOID_CREATED || notification->uType == DB_CEOID_RECORD_DELETED ||
        notification->uType == DB_CEOID_CHANGED)
        forgetPosition();
    int result = m_listener ? m_listener->handleDbNotification(notification) : 0;
    CeFreeNotification(&request, notification);
    return result;
}

int CeDatabase::dispatchNotification(HWND window, CENOTIFICATION* notification) {
    if (!notification) return 0;
    auto found = openDatabases().find(notification->dwParam);
    if (found != openDatabases().end()) return found->second->handleNotification(window, notification);
    // Every open asks for notifications from the process heap (heap 0).
    CENOTIFYREQUEST request{sizeof(CENOTIFYREQUEST), window, CEDB_EXNOTIFICATION, nullptr, 0};
    CeFreeNotification(&request, notification);
    return 0;
}

// Without an active application there is no window to post to: the platform then sends
// this handle no notifications.
void CeDatabase::initNotifyRequest(CENOTIFYREQUEST* request) {
    App* app = Globals::getActiveApp();
    request->dwSize = sizeof(CENOTIFYREQUEST);
    request->hwnd = app ? app->getMainWindow() : nullptr;
    request->dwFlags = CEDB_EXNOTIFICATION;
    request->hHeap = nullptr;
    request->dwParam = m_token;
}

}  // namespace Nevo
