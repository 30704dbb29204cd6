-- expect: damaged record 0x00000003 (property 0x40080002 appears twice)
-- commands: show|export|put
UPDATE records SET properties = X'02000840020000000100' || X'02000840020000000200' WHERE oid = 3;
