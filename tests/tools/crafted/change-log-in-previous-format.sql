-- expect: we can trust (it has a table 'change_log' that we did not make)
PRAGMA user_version = 1;
