-- expect: damaged database 0x00000001: more than 4 sort orders
-- Eight sort orders: a reader copying them into the four-entry array would overrun it.
INSERT INTO sort_orders SELECT database_oid, position + 2, propid, flags FROM sort_orders WHERE database_oid = (SELECT oid FROM databases WHERE name = 'Contacts');
INSERT INTO sort_orders SELECT database_oid, position + 4, propid, flags FROM sort_orders WHERE database_oid = (SELECT oid FROM databases WHERE name = 'Contacts');
