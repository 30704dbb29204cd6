-- expect: damaged database 0x00000001: a name of 40 characters
-- Names hold at most 31 characters; the information structure has room for 32 with the NUL.
UPDATE databases SET name = 'Contacts with a name far beyond the room' WHERE oid = (SELECT oid FROM databases WHERE name = 'Contacts');
