// The open volume's databases and the check for other processes' changes.
#include "Store.h"

namespace ce::objstore {

bool Store::refresh() {
    bool changed = false;
    if (!m_volume->changedElsewhere(changed)) return false;
    if (!changed) return true;
    for (auto it = m_databases.begin(); it != m_databases.end();) {
        Database& database = *it->second;
        auto row = m_volume->database(database.oid());
        if (row) {
            database.resync(*row);
        } else if (m_volume->lastQueryFailed()) {
            return false;
        } else if (database.hasHandles()) {
            m_gone.insert(database.oid());  // deleted by another process under open handles
        } else {
            it = m_databases.erase(it);
            continue;
        }
        ++it;
    }
    return true;
}

std::shared_ptr<Database> Store::openDatabase(CEOID oid) {
    auto found = m_databases.find(oid);
    if (found != m_databases.end() && !m_gone.count(oid)) return found->second;
    auto row = m_volume->database(oid);
    if (!row) return nullptr;
    auto database = std::make_shared<Database>(*m_volume, *row);
    m_gone.erase(oid);
    m_databases[oid] = database;
    return database;
}

bool Store::isOpen(CEOID oid) const {
    auto found = m_databases.find(oid);
    return found != m_databases.end() && found->second->hasHandles();
}

}  // namespace ce::objstore
