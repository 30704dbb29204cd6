-- expect: we can trust (its table 'change_log' is not the one we make)
-- commands: list show export put
ALTER TABLE change_log ADD COLUMN note TEXT;
