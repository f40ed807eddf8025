#pragma once
// Moving a library: every download of one library copied into another (SQLite or PostgreSQL,
// either way), and a consistent copy of an SQLite library taken while it is in use. Plain
// functions without Qt types; one call at a time per thread.
#include <functional>
#include <string>

#include "library/LibraryLocation.h"

namespace hm::library {

struct CopyResult {
    bool ok = false;      // every download of the source was read and is in the destination
    int copied = 0;       // downloads new in the destination
    int already = 0;      // downloads the destination held already (same data)
    int skipped = 0;      // downloads whose stored image does not match its hash (or is missing)
    int details = 0;      // changes of trailers' details new in the destination
    std::string message;  // why the copy stopped, and the skipped downloads (one line each)
};

// Copies every download of `from` into `to`, in batches of one transaction each, oldest
// download first. Each row keeps the source's identification, times, host, workshop, source
// and path; data the destination holds already is counted, not stored again, so an interrupted
// copy run again completes it. Then every change of a trailer's details, oldest first, as the
// source holds it (who and when too); a change the destination holds already (the same
// identification, fields, time and computer) is not stored again. Each image is checked against its
// stored hash before it is written; a mismatch is named in `message` and skipped. The destination
// is created or migrated as any command does; an SQLite source must exist. Copying a library onto
// itself is refused. `progress` (may be empty) is called after each batch with the counts so far.
CopyResult copyLibrary(const Location& from, const Location& to,
                       const std::function<void(const CopyResult&)>& progress);

// Writes a consistent copy of the SQLite library `from` into `file` through SQLite's online
// backup (readers and writers of the library go on meanwhile): into a new temporary file in
// `file`'s folder, checked with PRAGMA integrity_check, then renamed to `file`. An existing
// `file` is never replaced. True with `summary` set; false with `error` set (nothing written).
bool backupLibrary(const Location& from, const std::string& file, std::string& summary,
                   std::string& error);

}  // namespace hm::library
