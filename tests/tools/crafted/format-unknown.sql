-- expect: volume format 4 is not the supported format 3
PRAGMA user_version = 4;
