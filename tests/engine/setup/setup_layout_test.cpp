#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <vector>

#include "engine/setup/setup_data.h"

namespace quillux::engine {
namespace {

// The stored layout: a wrong offset anywhere silently scrambles every user's settings.
struct Field {
    const char* name;
    std::size_t offset;
    std::size_t bytes;
    std::size_t expectedOffset;
    std::size_t expectedBytes;
};

#define QX_FIELD(member, at, size) \
    {#member, offsetof(TQxSetupData, member), sizeof(TQxSetupData::member), at, size}

const Field kFields[] = {
    QX_FIELD(DataVersion, 0, 4),
    QX_FIELD(SetupI, 4, 256),
    QX_FIELD(SetupF, 264, 256),
    QX_FIELD(SetupS, 520, 8192),
    QX_FIELD(PhotometricI, 8712, 256),
    QX_FIELD(PhotometricF, 8968, 256),
    QX_FIELD(PhotometricS, 9224, 2048),
    QX_FIELD(ElectricalBasicI, 11272, 256),
    QX_FIELD(ElectricalBasicF, 11528, 256),
    QX_FIELD(ElectricalBasicS, 11784, 2048),
    QX_FIELD(ElectricalPhaseI, 13832, 256),
    QX_FIELD(ElectricalPhaseF, 14088, 256),
    QX_FIELD(ElectricalPhaseS, 14344, 2048),
    QX_FIELD(ElectricalDropI, 16392, 256),
    QX_FIELD(ElectricalDropF, 16648, 256),
    QX_FIELD(ElectricalDropS, 16904, 2048),
    QX_FIELD(ElectricalLoadListI, 18952, 256),
    QX_FIELD(ElectricalLoadListF, 19208, 256),
    QX_FIELD(ElectricalLoadListS, 19464, 2048),
    QX_FIELD(ElectricalResistanceI, 21512, 256),
    QX_FIELD(ElectricalResistanceF, 21768, 256),
    QX_FIELD(ElectricalResistanceS, 22024, 2048),
    QX_FIELD(RiggingI, 24072, 256),
    QX_FIELD(RiggingF, 24328, 256),
    QX_FIELD(RiggingS, 24584, 2048),
    QX_FIELD(WeightLoadListI, 26632, 256),
    QX_FIELD(WeightLoadListF, 26888, 256),
    QX_FIELD(WeightLoadListS, 27144, 2048),
    QX_FIELD(TruckVolumeListI, 29192, 256),
    QX_FIELD(TruckVolumeListF, 29448, 256),
    QX_FIELD(TruckVolumeListS, 29704, 2048),
    QX_FIELD(ConverterI, 31752, 256),
    QX_FIELD(ConverterF, 32008, 256),
    QX_FIELD(ConverterS, 32264, 2048),
    QX_FIELD(DMXI, 34312, 256),
    QX_FIELD(DMXF, 34568, 256),
    QX_FIELD(DMXS, 34824, 2048),
    QX_FIELD(DatabaseManufacturerI, 36872, 128),
    QX_FIELD(DatabaseManufacturerF, 37000, 128),
    QX_FIELD(DatabaseManufacturerS, 37128, 2048),
    QX_FIELD(DatabaseFixtureI, 39176, 128),
    QX_FIELD(DatabaseFixtureF, 39304, 128),
    QX_FIELD(DatabaseFixtureS, 39432, 2048),
    QX_FIELD(DatabaseRoadCaseI, 41480, 128),
    QX_FIELD(DatabaseRoadCaseF, 41608, 128),
    QX_FIELD(DatabaseRoadCaseS, 41736, 9728),
    QX_FIELD(GelLibraryI, 51464, 128),
    QX_FIELD(GelLibraryF, 51592, 128),
    QX_FIELD(GelLibraryS, 51720, 2048),
    QX_FIELD(SpareAI, 53768, 128),
    QX_FIELD(SpareAF, 53896, 128),
    QX_FIELD(SpareAS, 54024, 2048),
    QX_FIELD(SpareBI, 56072, 128),
    QX_FIELD(SpareBF, 56200, 128),
    QX_FIELD(SpareBS, 56328, 2048),
};

#undef QX_FIELD

class SetupLayoutTest : public ::testing::TestWithParam<Field> {};

TEST_P(SetupLayoutTest, FieldSitsWhereTheFileHasIt) {
    const Field& field = GetParam();
    EXPECT_EQ(field.offset, field.expectedOffset);
    EXPECT_EQ(field.bytes, field.expectedBytes);
}

INSTANTIATE_TEST_SUITE_P(Fields, SetupLayoutTest, ::testing::ValuesIn(kFields),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SetupLayout, FieldsTileTheRecordWithOnlyThePaddingBeforeSetupF) {
    std::size_t next = 0;
    for (const Field& field : kFields) {
        const std::size_t gap = std::string(field.name) == "SetupF" ? 4 : 0;
        EXPECT_EQ(field.offset, next + gap) << field.name;
        next = field.offset + field.bytes;
    }
    EXPECT_EQ(next, TQxSetupData::kRecordBytes);
    EXPECT_EQ(sizeof(TQxSetupData), 58376u);
}

TEST(SetupLayout, SlotsAreIndexedFromOneAndStoredLittleEndian) {
    TQxSetupData record;
    record.Clear();
    record.SetupI[6] = 0x01020304;
    record.DatabaseRoadCaseS[38].Set("last");
    record.SpareBF[16] = 1.0;

    const auto* bytes = reinterpret_cast<const unsigned char*>(&record);
    const unsigned char slot6[] = {0x04, 0x03, 0x02, 0x01};
    EXPECT_EQ(std::memcmp(bytes + 4 + 5 * 4, slot6, 4), 0);
    EXPECT_EQ(bytes[41736 + 37 * 256], 4);
    EXPECT_EQ(std::memcmp(bytes + 41736 + 37 * 256 + 1, "last", 4), 0);
    // 1.0 is 0x3FF0000000000000, stored low byte first.
    const unsigned char one[] = {0, 0, 0, 0, 0, 0, 0xF0, 0x3F};
    EXPECT_EQ(std::memcmp(bytes + 56200 + 15 * 8, one, 8), 0);
}

TEST(SetupLayout, ClearZeroesEveryByte) {
    TQxSetupData record;
    std::memset(static_cast<void*>(&record), 0xA5, sizeof(record));
    record.Clear();
    const auto* bytes = reinterpret_cast<const unsigned char*>(&record);
    EXPECT_EQ(std::vector<unsigned char>(bytes, bytes + sizeof(record)),
              std::vector<unsigned char>(sizeof(record), 0));
}

}  // namespace
}  // namespace quillux::engine
