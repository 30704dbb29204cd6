-- expect: a database id out of range
-- commands: list|show|export|put
-- Past 32 bits the id would wrap to one already walked and the enumeration would never end.
UPDATE databases SET oid = 4294967298 WHERE name = 'Contacts';
