#include <gtest/gtest.h>

#include <bit>
#include <cstring>

#include "fleetdata/DataFile.h"
#include "fleetdata/TextExport.h"
#include "support/TestSupport.h"

using hm::FleetDataImage;

namespace {

FleetDataImage sampleImage() {
    FleetDataImage image;
    image.clear();
    std::memcpy(image.signature, hm::kSignature, sizeof(hm::kSignature));
    std::memcpy(image.vehicleIdent, "WDB9634031L123456", 17);
    for (int b = 0; b < 10; ++b) {
        for (int i = 0; i < FleetDataImage::blockWords(b); ++i) {
            image.block(b)[i] = static_cast<uint32_t>(b * 1000 + i * 7 + 1);
        }
    }
    image.stabilityRecords[3].odometer = 0x01020304u;
    image.stabilityRecords[3].padding2[1] = 0xEE;
    image.stabilityRecordCount = 4;
    image.savedAt[0] = 2026;
    image.savedAt[7] = 999;
    image.blockSize = hm::kImageSize;
    return image;
}

std::vector<uint8_t> toVector(const hm::ImageBytes& bytes) {
    return {bytes.begin(), bytes.end()};
}

uint32_t le32(const hm::ImageBytes& b, size_t at) {
    return uint32_t{b[at]} | uint32_t{b[at + 1]} << 8 | uint32_t{b[at + 2]} << 16 |
           uint32_t{b[at + 3]} << 24;
}

}  // namespace

TEST(DataFile, SerialisationIsLittleEndianAtTheFieldOffsets) {
    FleetDataImage image = sampleImage();
    image.brakeTimeByPressure[0] = 0xA1B2C3D4u;
    const hm::ImageBytes bytes = hm::serialiseImage(image);
    EXPECT_EQ(std::memcmp(bytes.data(), "Haulm +\0", 8), 0);
    EXPECT_EQ(std::memcmp(bytes.data() + 8, "WDB9634031L123456\0\0\0", 20), 0);
    EXPECT_EQ(bytes[28], 0xD4);
    EXPECT_EQ(bytes[31], 0xA1);
    EXPECT_EQ(le32(bytes, 284 + 4 * 29), image.brakeAppsByDistance[29]);
    EXPECT_EQ(le32(bytes, 924 + 48 * 3 + 36), 0x01020304u);
    EXPECT_EQ(bytes[924 + 48 * 3 + 35], 0xEE);  // padding is part of the format
    EXPECT_EQ(le32(bytes, 2460), 4u);
    EXPECT_EQ(bytes[2464], 2026 & 0xFF);
    EXPECT_EQ(bytes[2465], 2026 >> 8);
    EXPECT_EQ(bytes[2478], 999 & 0xFF);
    EXPECT_EQ(le32(bytes, 2480), 2484u);
    if constexpr (std::endian::native == std::endian::little) {
        EXPECT_EQ(std::memcmp(bytes.data(), &image, sizeof(image)), 0);
    }
    FleetDataImage back;
    std::memset(static_cast<void*>(&back), 0x77, sizeof(back));
    hm::deserialiseImage(bytes, back);
    EXPECT_EQ(std::memcmp(&back, &image, sizeof(image)), 0);
}

TEST(DataFile, ReadAcceptsAValidFileAndOnlyItsFirst2484Bytes) {
    hmtest::TempDir dir;
    const FleetDataImage image = sampleImage();
    std::string error;
    ASSERT_TRUE(hm::writeDataFile(dir / "a.asc", image, error)) << error;
    EXPECT_EQ(hmtest::readFileBytes(dir / "a.asc"), toVector(hm::serialiseImage(image)));

    FleetDataImage loaded;
    loaded.clear();
    EXPECT_TRUE(hm::readDataFile(dir / "a.asc", loaded).ok());
    EXPECT_EQ(std::memcmp(&loaded, &image, sizeof(image)), 0);

    std::vector<uint8_t> longer = toVector(hm::serialiseImage(image));
    longer.resize(5000, 0xCC);
    hmtest::writeFileBytes(dir / "long.asc", longer);
    loaded.clear();
    EXPECT_TRUE(hm::readDataFile(dir / "long.asc", loaded).ok());
    EXPECT_EQ(std::memcmp(&loaded, &image, sizeof(image)), 0);
}

TEST(DataFile, EveryFileErrorLeavesTheImageAloneAndSaysWhy) {
    hmtest::TempDir dir;
    const std::vector<uint8_t> good = toVector(hm::serialiseImage(sampleImage()));
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        hm::DataFileStatus status;
        const char* reasonPart;
    };
    std::vector<Case> cases;
    cases.push_back({"empty", {}, hm::DataFileStatus::TooShort, "too short (0 bytes"});
    // A short file whose start is a valid signature is still not a data file.
    cases.push_back({"short", std::vector<uint8_t>(good.begin(), good.begin() + 2483),
                     hm::DataFileStatus::TooShort, "2483 bytes"});
    std::vector<uint8_t> noZero = good;
    noZero[7] = 'X';  // "Haulm +X": the signature text must end at byte 7
    cases.push_back({"nozero", noZero, hm::DataFileStatus::BadSignature, "signature"});
    std::vector<uint8_t> lower = good;
    lower[0] = 'h';
    cases.push_back({"lower", lower, hm::DataFileStatus::BadSignature, "signature"});
    std::vector<uint8_t> sizeZero = good;
    std::memset(sizeZero.data() + 2480, 0, 4);
    cases.push_back({"size0", sizeZero, hm::DataFileStatus::BadBlockSize, "block size 0"});
    std::vector<uint8_t> bigEndian = good;
    bigEndian[2480] = 0x00;
    bigEndian[2481] = 0x00;
    bigEndian[2482] = 0x09;
    bigEndian[2483] = 0xB4;
    cases.push_back({"bigend", bigEndian, hm::DataFileStatus::BadBlockSize, "block size"});

    for (const Case& c : cases) {
        hmtest::writeFileBytes(dir / c.name, c.bytes);
        FleetDataImage image = sampleImage();
        const FleetDataImage before = image;
        const hm::DataFileRead read = hm::readDataFile(dir / c.name, image);
        EXPECT_EQ(read.status, c.status) << c.name;
        EXPECT_TRUE(read.fileError()) << c.name;
        EXPECT_NE(read.reason.find(c.reasonPart), std::string::npos)
            << c.name << ": " << read.reason;
        EXPECT_EQ(std::memcmp(&image, &before, sizeof(image)), 0) << c.name;
    }

    FleetDataImage image = sampleImage();
    for (const auto& path : {dir / "missing.asc", dir.path()}) {
        const hm::DataFileRead read = hm::readDataFile(path, image);
        EXPECT_EQ(read.status, hm::DataFileStatus::CannotOpen) << path;
        EXPECT_FALSE(read.opened());
        EXPECT_FALSE(read.reason.empty());
    }
}

TEST(DataFile, FileNamePatternAndSanitisedIdentification) {
    FleetDataImage image;
    image.clear();
    std::memcpy(image.vehicleIdent, "ABC", 3);
    hm::LocalTime t;
    t.year = 2026;
    t.month = 12;
    t.day = 7;
    t.hour = 9;
    t.minute = 5;
    EXPECT_EQ(hm::dataFileName(image, t, ".asc"), "Haulmetry ABC - 07122026-0905.asc");
    std::memcpy(image.vehicleIdent, "xxx", 3);
    t = {2027, 1, 5, 1, 23, 59, 0, 0};
    EXPECT_EQ(hm::dataFileName(image, t, ".txt"), "Haulmetry xxx - 01012027-2359.txt");

    EXPECT_EQ(hm::sanitiseVehicleIdent("WDB 9634-031.L1"), "WDB 9634-031.L1");
    EXPECT_EQ(hm::sanitiseVehicleIdent("../../etc/passwd"), ".._.._etc_passwd");
    EXPECT_EQ(hm::sanitiseVehicleIdent("a\\b:c*d?e\"f<g>h|i"), "a_b_c_d_e_f_g_h_i");
    EXPECT_EQ(hm::sanitiseVehicleIdent(std::string("x\ny\tz\x7f\xc3", 7)), "x_y_z__");

    // All 20 bytes without a terminator: the name uses exactly those 20 characters.
    std::memset(image.vehicleIdent, 'Q', sizeof(image.vehicleIdent));
    EXPECT_EQ(hm::dataFileName(image, t, ".asc"),
              "Haulmetry QQQQQQQQQQQQQQQQQQQQ - 01012027-2359.asc");

    EXPECT_EQ(hm::joinDataPath("", "f.asc"), "f.asc");
    EXPECT_EQ(hm::joinDataPath("/data/", "f.asc"), "/data/f.asc");
    EXPECT_EQ(hm::joinDataPath("/data", "f.asc"), "/data/f.asc");
}

TEST(TextExport, SlotsOverlapAsTheValuesRunOn) {
    FleetDataImage image;
    image.clear();
    // Line 4 (brakeAppsByDistance, 5-byte slots, starts at 612).
    const uint32_t values[16] = {1, 22, 333, 4444, 55555, 6, 0, 0,
                                 0, 0,  0,   0,    0,     0, 0, 0xFFFFFFFFu};
    std::memcpy(image.brakeAppsByDistance, values, sizeof(values));
    image.brakeAppsByDistance[16] = 777;  // entries 16..31 are not exported
    const hm::TextExportBuffer buffer = hm::formatTextExport(image);
    std::string expected(
        "1,\0\0\0"
        "22,\0\0"
        "333,\0"
        "4444,"
        "55555"
        "6,\0\0\0",
        30);
    for (int k = 6; k < 15; ++k) {
        expected += std::string("0,\0\0\0", 5);
    }
    expected += std::string("-1\n\0", 4);
    expected.resize(160, '\0');
    EXPECT_EQ(std::string(buffer.data() + 612, 160), expected);

    // A count of 12345 in a 5-byte slot leaves no comma before the next value; 9999 keeps it.
    image.absEventsByDistance[0] = 12345;
    image.absEventsByDistance[1] = 7;
    image.absEventsByDistance[2] = 9999;
    image.absEventsByDistance[3] = 8;
    const hm::TextExportBuffer b2 = hm::formatTextExport(image);
    EXPECT_EQ(std::string(b2.data() + 932, 19), std::string("123457,\0\0\0"
                                                            "9999,8,\0\0",
                                                            19));
}

TEST(TextExport, NineByteLinesAndTheFileBytes) {
    FleetDataImage image;
    image.clear();
    for (int i = 0; i < 16; ++i) {
        image.distanceByReservoirPressure[i] = static_cast<uint32_t>(i);
    }
    image.brakeTimeByPressure[0] = 0x80000000u;  // printed signed
    const hm::TextExportBuffer buffer = hm::formatTextExport(image);
    // "-2147483648," runs into slot 1, where the next value's "0," overwrites it.
    EXPECT_EQ(std::string(buffer.data(), 13), std::string("-214748360,\0\0", 13));
    EXPECT_EQ(std::string(buffer.data() + 1405 + 9 * 14, 12), std::string("14,\0\0\0\0\0\0"
                                                                          "15\n",
                                                                          12));
    // Every byte no value covers is zero, from 1558 to the end in particular.
    for (size_t i = 1558; i < buffer.size(); ++i) {
        ASSERT_EQ(buffer[i], '\0') << i;
    }

    const std::string file = hm::textExportFileBytes(buffer);
    EXPECT_EQ(file.size(), hm::kTextExportSize + 10);  // ten line feeds became CR LF
    EXPECT_EQ(file.substr(1405 + 9 + 135, 4), "15\r\n");
    size_t lf = 0;
    for (size_t i = 0; i < file.size(); ++i) {
        if (file[i] == '\n') {
            ++lf;
            ASSERT_EQ(file[i - 1], '\r');
        }
    }
    EXPECT_EQ(lf, 10u);

    hmtest::TempDir dir;
    std::string error;
    ASSERT_TRUE(hm::writeTextExport(dir / "t.txt", image, error)) << error;
    const std::vector<uint8_t> written = hmtest::readFileBytes(dir / "t.txt");
    EXPECT_EQ(std::string(written.begin(), written.end()), file);
}

TEST(TextExport, NoStaleBytesFromAnEarlierExport) {
    FleetDataImage big;
    big.clear();
    for (int b = 0; b < 10; ++b) {
        for (int i = 0; i < 16; ++i) {
            big.block(b)[i] = 2000000000u;
        }
    }
    FleetDataImage small;
    small.clear();
    hmtest::TempDir dir;
    std::string error;
    ASSERT_TRUE(hm::writeTextExport(dir / "t.txt", big, error));
    ASSERT_TRUE(hm::writeTextExport(dir / "t.txt", small, error));
    const std::vector<uint8_t> bytes = hmtest::readFileBytes(dir / "t.txt");
    const std::string expectedSlot("0,\0\0\0\0\0\0\0", 9);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 9), expectedSlot);
    for (uint8_t c : bytes) {
        ASSERT_NE(c, '2');
    }
}
