-- expect: damaged record 0x00000002 (property 0x4001001f: a string without its terminator)
-- commands: show|export|put
-- "Ada" stored without its final NUL: a reader going to the NUL would run past the data.
UPDATE records SET properties = X'1F00014006000000410064006100' WHERE oid = (SELECT min(oid) FROM records WHERE database_oid = (SELECT oid FROM databases WHERE name = 'Contacts'));
