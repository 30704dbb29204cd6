-- expect: we can trust (it has a trigger 'wipe_records'
-- commands: list show export put
CREATE TRIGGER wipe_records AFTER INSERT ON records BEGIN DELETE FROM records WHERE oid = NEW.oid; END;
