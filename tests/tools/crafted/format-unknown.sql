-- expect: volume format 3 is not the supported format 2
PRAGMA user_version = 3;
