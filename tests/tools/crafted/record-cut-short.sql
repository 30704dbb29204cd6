-- expect: damaged record 0x00000003 (cut short after 1 properties)
-- commands: show|export|put
UPDATE records SET properties = X'1200074002000000FFFF' || X'0300' WHERE oid = 3;
