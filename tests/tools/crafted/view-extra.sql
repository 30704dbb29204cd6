-- expect: we can trust (it has a view 'every_record'
CREATE VIEW every_record AS SELECT oid, database_oid FROM records;
