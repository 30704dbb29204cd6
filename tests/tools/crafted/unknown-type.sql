-- expect: damaged record 0x00000003 (property 0x40090007: unknown type 7)
-- commands: show|export|put
UPDATE records SET properties = X'070009400400000001020304' WHERE oid = 3;
