-- expect: not an object store volume (it has no table 'sort_orders')
DROP TABLE sort_orders;
