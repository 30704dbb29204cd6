#!/bin/sh
# A writer that reports a database created that it never made, then waits to be killed.
echo ready
echo "done mkdb 999 1 DbNeverMade 10003/0"
exec sleep 60
