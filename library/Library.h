#pragma once
// The trailer library: every download, loaded file, saved file and imported file kept once (by
// content hash), with where, when and how it came in, so that a trailer's history and the fleet
// can be shown. Stored in an SQLite file (the default, see LibraryLocation.h) or on a PostgreSQL
// server shared by several workshops; both through the same code and schema (docs/library.md).
// The interface is free of Qt; one Library object is used from one thread.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "fleetdata/DataFile.h"
#include "library/LibraryLocation.h"

namespace hm::library {

// How a data image came into the library.
enum class Source { Download, Load, Save, Import };
// "download", "load", "save", "import".
const char* sourceName(Source source);

// One data image to store, with where it came from (a file name; may be empty).
struct Item {
    ImageBytes bytes{};
    Source source = Source::Import;
    std::string path;
};

// One stored download (without its data bytes).
struct Entry {
    int64_t id = 0;
    std::string hash;      // SHA-256 of the 2484 data bytes, lower-case hex
    std::string ident;     // the identification's bytes as stored in the image
    std::string savedAt;   // the ECU's saved-at time, "YYYY-MM-DDTHH:MM:SS"; empty: never saved
    std::string visitAt;   // savedAt, or when it was added (local time) when never saved
    int64_t addedAt = 0;   // seconds since the epoch (UTC)
    std::string host;      // the computer that added it
    std::string workshop;  // the workshop name of that computer's settings
    std::string source;    // sourceName() of how it came in
    std::string path;      // the file's name as bytes; may be empty
    uint32_t distanceKm = 0;
    uint32_t brakeApplications = 0;
    int records = 0;  // valid stability records
};

// One trailer of the fleet: its latest download, and what changed since the one before.
struct FleetRow {
    Entry latest;
    int downloads = 0;
    bool hasPrevious = false;
    int64_t distanceSinceKm = 0;         // latest - previous (negative after an erase)
    int64_t brakeApplicationsSince = 0;  // likewise
    int newRecords = 0;                  // stability records not in the previous download
};

struct StoreResult {
    bool ok = false;      // every item is in the library or waits in the local queue
    int added = 0;        // new rows
    int duplicates = 0;   // already stored (the same bytes)
    int sameVisits = 0;   // not stored: the same visit as a stored download (a saved copy of it)
    int queued = 0;       // written to the local queue because the server could not be reached
    std::string message;  // why something could not be stored (and where it waits)
};

class Library {
  public:
    // Opens (and on first use creates) the library at `location`. An SQLite file that is damaged,
    // not a library, or of a newer schema is refused with `error` set and left as it is; an
    // older one is brought forward. A PostgreSQL server that cannot be reached still gives a
    // Library: offline(), whose store() puts the items into the local queue. Items waiting in
    // the queue are sent as soon as the server is reached (`notice` tells how many).
    static std::unique_ptr<Library> open(const Location& location, std::string& error,
                                         std::string* notice = nullptr);
    ~Library();
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    // Stores `items` in one transaction; data already in the library is counted, not stored
    // again. A loaded, saved or imported file whose data (all but what a save writes: the
    // signature, the saved-at time and the block size) the library holds already, or an
    // earlier item holds, is that visit again: counted in `sameVisits`, not stored. A download
    // saved as a file, that file loaded or imported, or two saves of one download, add no
    // second visit. Concurrent writers never produce duplicates.
    StoreResult store(const std::vector<Item>& items);
    // One item of the session (a download, a loaded or a saved file), as store() keeps it.
    StoreResult record(const Item& item);
    // The session's three moments, through record().
    StoreResult recordDownload(const FleetDataImage& image);
    StoreResult recordLoad(const FleetDataImage& image, const std::string& path);
    StoreResult recordSave(const FleetDataImage& image, const std::string& path);

    // One row per trailer, by identification. False with `error` when the store cannot be read.
    bool fleet(std::vector<FleetRow>& rows, std::string& error);
    // Every download of the trailer `ident` (its bytes), oldest visit first.
    bool history(const std::string& ident, std::vector<Entry>& entries, std::string& error);
    // The 2484 data bytes of the download `id`.
    bool data(int64_t id, ImageBytes& bytes, std::string& error);

    // True while a shared library's server cannot be reached.
    bool offline() const;
    // The library's file or URL (without a password) for messages.
    std::string describe() const;
    // Items waiting in the local queue of this library.
    int queuedCount() const;

    class Store;

  private:
    explicit Library(std::unique_ptr<Store> store);
    std::unique_ptr<Store> store_;
};

// The summary figures kept with each download (for the fleet view without reading the data).
struct ImageFigures {
    uint32_t distanceKm = 0;
    uint32_t brakeApplications = 0;
    int records = 0;
    std::string recordKeys;  // one short hash per valid stability record, comma-separated
};
ImageFigures imageFigures(const ImageBytes& bytes);
// The same when the image is at hand already (`bytes` is its serialised form).
ImageFigures imageFigures(const FleetDataImage& image, const ImageBytes& bytes);
// How many of `newer`'s record keys are not among `older`'s.
int newRecordCount(const std::string& olderKeys, const std::string& newerKeys);

}  // namespace hm::library
