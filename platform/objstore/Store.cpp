// The open volume's databases and the check for other processes' changes.
#include "Store.h"

namespace ce::objstore {

bool Store::refresh() {
    if (!m_volume->changedElsewhere()) return true;
    for (auto it = m_databases.begin(); it != m_databases.end();) {
        std::shared_ptr<Database> database = it->second.lock();
        if (!database) {
            it = m_databases.erase(it);
            continue;
        }
        if (auto row = m_volume->database(database->oid()))
            database->resync(*row);
        else
            m_gone.insert(database->oid());
        ++it;
    }
    return true;
}

std::shared_ptr<Database> Store::openDatabase(CEOID oid) {
    if (auto existing = m_databases[oid].lock()) return existing;
    auto row = m_volume->database(oid);
    if (!row) {
        m_databases.erase(oid);
        return nullptr;
    }
    auto database = std::make_shared<Database>(*m_volume, *row);
    m_databases[oid] = database;
    return database;
}

bool Store::isOpen(CEOID oid) const {
    auto found = m_databases.find(oid);
    if (found == m_databases.end()) return false;
    auto database = found->second.lock();
    return database && database->hasHandles();
}

}  // namespace ce::objstore
