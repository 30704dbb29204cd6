-- expect: 'databases' is not the one we make
-- The same columns without the unique name: two databases could then share a name.
DROP TABLE databases; CREATE TABLE databases (oid INTEGER PRIMARY KEY, name TEXT NOT NULL, folded_name TEXT NOT NULL, type INTEGER NOT NULL, record_count INTEGER NOT NULL, size INTEGER NOT NULL, modified INTEGER NOT NULL, change_count INTEGER NOT NULL);
