-- expect: we can trust (its table 'records' is not the one we make)
-- commands: list show export put
ALTER TABLE records ADD COLUMN note TEXT DEFAULT 'x';
