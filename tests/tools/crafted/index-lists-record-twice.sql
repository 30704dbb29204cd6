-- expect: the records' index is damaged at record 0x00000003
-- commands: show|export
-- The records' index lists record 3 a second time, under the key of record 4: a decoy index
-- lends its name to the records' index while a row is added, then is dropped as usual.
CREATE TABLE decoy (database_oid INTEGER, oid INTEGER);
CREATE INDEX decoy_by_database ON decoy (database_oid, oid);
CREATE TEMP TABLE own_page AS SELECT rootpage FROM sqlite_schema WHERE name = 'decoy_by_database';
PRAGMA writable_schema = ON;
UPDATE sqlite_schema SET rootpage = (SELECT rootpage FROM sqlite_schema WHERE name = 'records_by_database')
    WHERE name = 'decoy_by_database';
PRAGMA writable_schema = RESET;
INSERT INTO decoy (rowid, database_oid, oid) VALUES (3, 1, 4);
PRAGMA writable_schema = ON;
UPDATE sqlite_schema SET rootpage = (SELECT rootpage FROM temp.own_page) WHERE name = 'decoy_by_database';
PRAGMA writable_schema = RESET;
DROP TABLE decoy;
