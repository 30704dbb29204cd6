-- expect: damaged database 0x00000001: sort order 1 is not one a database can have
UPDATE sort_orders SET flags = 0x10000 WHERE position = 0 AND database_oid = (SELECT oid FROM databases WHERE name = 'Contacts');
