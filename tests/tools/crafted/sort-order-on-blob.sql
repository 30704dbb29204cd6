-- expect: damaged database 0x00000001: sort order 2 is not one a database can have
-- BLOBs cannot be sort keys.
UPDATE sort_orders SET propid = 0x40060041 WHERE position = 1 AND database_oid = (SELECT oid FROM databases WHERE name = 'Contacts');
