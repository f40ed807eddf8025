// libFuzzer target: the bytes of a data file as the load reads them, and everything the program
// then does with a loaded image (summary, text export, record texts, sorting, encoding, name).
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "fleetdata/DataFile.h"
#include "fleetdata/StabilityRecord.h"
#include "fleetdata/TextExport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    hm::FleetDataImage image;
    image.clear();
    const hm::DataFileRead read = hm::parseDataFileBytes(data, size, image);
    if (!read.ok()) {
        if (read.reason.empty()) {
            std::abort();  // every failure must say why
        }
        return 0;
    }
    // What is loaded is exactly the file's first 2484 bytes.
    const hm::ImageBytes bytes = hm::serialiseImage(image);
    if (std::memcmp(bytes.data(), data, bytes.size()) != 0) {
        std::abort();
    }
    (void)hm::summaryText(image);
    (void)hm::textExportFileBytes(hm::formatTextExport(image));
    (void)hm::dataFileName(image, hm::LocalTime{}, ".asc");
    for (int i = 0; i < hm::kStabilitySlots; ++i) {
        (void)hm::FormatRecordSummary(image, i);
        (void)hm::EncodeStabilityPayload(image, i);
    }
    hm::SortStabilityRecords(image);
    hm::StabilityPayload payload{};
    std::memcpy(payload.data(), data + 16, payload.size());
    hm::StoreStabilityPayload(image, payload);
    return 0;
}
