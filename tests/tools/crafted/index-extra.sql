-- expect: index 'records_by_blob'
CREATE INDEX records_by_blob ON records (properties);
