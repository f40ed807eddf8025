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

#include "figures/FigureChange.h"
#include "figures/Figures.h"
#include "fleetdata/DataFile.h"
#include "library/LibraryLocation.h"
#include "library/TrailerDetails.h"

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

// The column of a figure in the downloads table: its data key, but for the braking time, kept
// in its raw unit of 0.01 s as `brake_time_cs` (the views give `brake_time_s`).
const char* figureColumn(figures::FigureId id);

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
    int records = 0;           // valid stability records
    figures::Figures figures;  // the exact figures of the download
};

// One trailer of the fleet: its latest download, and what changed since the one before.
struct FleetRow {
    Entry latest;
    int downloads = 0;
    bool hasPrevious = false;
    // The use since the download before: the newer value when the ECU was erased between.
    int64_t distanceSinceKm = 0;
    int64_t brakeApplicationsSince = 0;
    int newRecords = 0;              // stability records not in the previous download
    figures::Figures previous;       // the figures of the download before (hasPrevious)
    figures::DownloadChange change;  // from the download before to the latest (hasPrevious)
    TrailerDetails details;          // the trailer's current details (empty when none)
};

struct StoreResult {
    bool ok = false;      // every item is in the library or waits in the local queue
    int added = 0;        // new rows
    int duplicates = 0;   // already stored (the same bytes)
    int sameVisits = 0;   // not stored: the same visit as a stored download (a saved copy of it)
    int queued = 0;       // written to the local queue because the server could not be reached
    int notStored = 0;    // neither stored nor queued (the queue could not be written)
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
    // The 2484 data bytes of the download `id`, checked against the hash it is stored by: an
    // image changed since it was stored is refused with `error`, never handed on.
    bool data(int64_t id, ImageBytes& bytes, std::string& error);

    // The current details of the trailer `ident` (its bytes): empty details (and true) when
    // none were ever set. False with `error` when the library cannot be read.
    bool trailerDetails(const std::string& ident, TrailerDetails& details, std::string& error);
    // Stores `details` (the four fields; who and when are this computer's workshop or host, and
    // now) as the trailer's current details, keeping the earlier ones in its history. Details
    // equal to the current ones add nothing. Refused with `error`: details detailsProblem()
    // refuses, an identification without a download in the library, a read-only library, a
    // shared one whose server cannot be reached (details are not queued) or that refuses.
    bool setTrailerDetails(const std::string& ident, const TrailerDetails& details,
                           std::string& error);
    // Every change of the trailer's details, oldest first (each with who and when).
    bool detailsHistory(const std::string& ident, std::vector<TrailerDetails>& changes,
                        std::string& error);
    // The identifications whose current plate (plateKey()) or fleet number (fleetNumberKey())
    // equals `text`'s, in identification order; none for a text that is empty as a key.
    bool findTrailers(const std::string& text, std::vector<std::string>& idents,
                      std::string& error);

    // A shared library's roles and rights (docs/library.md, "Roles and rights"), as its owner:
    // the group role kWorkshopGroup with what a workshop may do (read everything, add
    // downloads, nothing else); a workshop's login role in that group, with `password`
    // (stored as a SCRAM verifier); a workshop's role taken out of the group, unable to log in
    // (its rows stay, named by it). False with `error` when the server refuses or the library
    // is an SQLite file.
    bool setUpRights(std::string& error);
    bool grantWorkshop(const std::string& workshop, const std::string& password,
                       std::string& error);
    bool revokeWorkshop(const std::string& workshop, std::string& error);

    // True while a shared library's server cannot be reached.
    bool offline() const;
    // The library's file or URL (without a password) for messages.
    std::string describe() const;
    // The socket of the connection to a shared library's server (-1 when none), so that
    // another thread may cut a connection that waits on a silent server (shutdown(2)).
    int connectionSocket() const;
    // Items waiting in the local queue of this library.
    int queuedCount() const;

    class Store;

  private:
    explicit Library(std::unique_ptr<Store> store);
    std::unique_ptr<Store> store_;
};

// The group role of a shared library's workshops.
constexpr const char* kWorkshopGroup = "haulmetry_workshop";
// True for a name that may be a workshop's role: lower-case letters, digits and '_', starting
// with a letter, at most 63 bytes, not "pg_..." nor the group's name.
bool validWorkshopName(const std::string& name);

// The summary figures kept with each download (for the fleet view without reading the data).
struct ImageFigures {
    uint32_t distanceKm = 0;
    uint32_t brakeApplications = 0;
    int records = 0;
    std::string recordKeys;   // one short hash per valid stability record, comma-separated
    figures::Figures values;  // the exact figures
    std::string identText;    // the identification as the command line shows it
};
ImageFigures imageFigures(const ImageBytes& bytes);
// The same when the image is at hand already (`bytes` is its serialised form).
ImageFigures imageFigures(const FleetDataImage& image, const ImageBytes& bytes);
// An identification's bytes as the command line shows them (ident_text of the library).
std::string identText(const std::string& identBytes);
// How many of `newer`'s record keys are not among `older`'s.
int newRecordCount(const std::string& olderKeys, const std::string& newerKeys);

}  // namespace hm::library
