-- expect: damaged record 0x00000003 (property 0x40090013: 2 bytes for a value of 4)
-- commands: show|export|put
UPDATE records SET properties = X'13000940020000002A00' WHERE oid = 3;
