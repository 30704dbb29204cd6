-- expect: damaged record 0x00000004 (property 0x40060041: 16 bytes of data where 3 are left)
-- commands: show|export|put
UPDATE records SET properties = X'4100064010000000' || X'00ff10' WHERE oid = (SELECT max(oid) FROM records WHERE database_oid = (SELECT oid FROM databases WHERE name = 'Contacts'));
