# Every stored column of a trailer library's downloads with its image, one line per download in
# hash order, then every change of a trailer's details (but its id, and its workshop, which a
# shared library stamps with the role that inserts it) as a line "details|...", byte fields
# (and text, as its UTF-8 bytes) in upper-case hex, so two libraries can be compared byte for
# byte whatever database holds them. Source it after tests/support/cli.sh
# (and tests/support/postgres.sh for a PostgreSQL library).
#
#   sqlite_rows FILE      # the rows of an SQLite library
#   pg_rows DATABASE      # the rows of a database of the server pg_start started
sqlite_rows() {
    sqlite3 -separator '|' "$1" "SELECT d.hash, hex(d.ident), d.saved_at, d.visit_at, d.added_at,
        hex(d.host), hex(d.workshop), d.source, hex(d.path), d.distance_km, d.brake_apps,
        d.records, d.record_keys, hex(i.data)
        FROM downloads d LEFT JOIN images i ON i.hash = d.hash ORDER BY d.hash"
    sqlite3 -separator '|' "$1" "SELECT 'details', hex(ident), hex(fleet_number), hex(plate),
        hex(customer), hex(notes), changed_at, hex(host) FROM trailer_details ORDER BY id"
}
pg_rows() {
    "$pg_bin/psql" -h 127.0.0.1 -p "$pg_port" -U haulmetry -d "$1" -tAq -F '|' -c "
        SELECT d.hash, upper(encode(d.ident, 'hex')), d.saved_at, d.visit_at, d.added_at,
        upper(encode(convert_to(d.host, 'UTF8'), 'hex')),
        upper(encode(convert_to(d.workshop, 'UTF8'), 'hex')), d.source,
        upper(encode(d.path, 'hex')), d.distance_km, d.brake_apps, d.records, d.record_keys,
        upper(encode(i.data, 'hex'))
        FROM downloads d LEFT JOIN images i ON i.hash = d.hash ORDER BY d.hash"
    "$pg_bin/psql" -h 127.0.0.1 -p "$pg_port" -U haulmetry -d "$1" -tAq -F '|' -c "
        SELECT 'details', upper(encode(ident, 'hex')),
        upper(encode(convert_to(fleet_number, 'UTF8'), 'hex')),
        upper(encode(convert_to(plate, 'UTF8'), 'hex')),
        upper(encode(convert_to(customer, 'UTF8'), 'hex')),
        upper(encode(convert_to(notes, 'UTF8'), 'hex')), changed_at,
        upper(encode(convert_to(host, 'UTF8'), 'hex')) FROM trailer_details ORDER BY id"
}
