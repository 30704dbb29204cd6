-- expect: we can trust (it has a table 'notes'
CREATE TABLE notes (text TEXT);
