UPDATE databases SET name = 'Contacts2', folded_name = 'contacts2', record_count = 7 WHERE oid = (SELECT min(oid) FROM databases);
UPDATE sort_orders SET propid = 65, flags = 3 WHERE position = 1;
UPDATE records SET properties = substr(properties, 1, length(properties) - 3) WHERE oid = (SELECT max(oid) FROM records);
INSERT INTO change_log (database_oid, record_oid, kind, change_count) VALUES (1, 2, 9, -1);
UPDATE volume SET next_oid = 0;
