#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

#include "engine/setup/short_string.h"
#include "engine/setup/slot_array.h"

namespace quillux::engine {

using SetupInt = std::int32_t;

// The setup record stored whole in Data/QxSetup.Qlx: 58,376 bytes, little-endian, laid out
// exactly as the members below with natural alignment (the only padding is the 4 bytes
// before SetupF). The record is plain data: it is read and written as raw bytes.
struct TQxSetupData {
    static constexpr std::size_t kRecordBytes = 58376;

    SetupInt DataVersion;
    SlotArray<SetupInt, 64> SetupI;
    std::int32_t Padding;
    SlotArray<double, 32> SetupF;
    SlotArray<ShortString, 32> SetupS;

    SlotArray<SetupInt, 64> PhotometricI;
    SlotArray<double, 32> PhotometricF;
    SlotArray<ShortString, 8> PhotometricS;

    SlotArray<SetupInt, 64> ElectricalBasicI;
    SlotArray<double, 32> ElectricalBasicF;
    SlotArray<ShortString, 8> ElectricalBasicS;

    SlotArray<SetupInt, 64> ElectricalPhaseI;
    SlotArray<double, 32> ElectricalPhaseF;
    SlotArray<ShortString, 8> ElectricalPhaseS;

    SlotArray<SetupInt, 64> ElectricalDropI;
    SlotArray<double, 32> ElectricalDropF;
    SlotArray<ShortString, 8> ElectricalDropS;

    SlotArray<SetupInt, 64> ElectricalLoadListI;
    SlotArray<double, 32> ElectricalLoadListF;
    SlotArray<ShortString, 8> ElectricalLoadListS;

    SlotArray<SetupInt, 64> ElectricalResistanceI;
    SlotArray<double, 32> ElectricalResistanceF;
    SlotArray<ShortString, 8> ElectricalResistanceS;

    SlotArray<SetupInt, 64> RiggingI;
    SlotArray<double, 32> RiggingF;
    SlotArray<ShortString, 8> RiggingS;

    SlotArray<SetupInt, 64> WeightLoadListI;
    SlotArray<double, 32> WeightLoadListF;
    SlotArray<ShortString, 8> WeightLoadListS;

    SlotArray<SetupInt, 64> TruckVolumeListI;
    SlotArray<double, 32> TruckVolumeListF;
    SlotArray<ShortString, 8> TruckVolumeListS;

    SlotArray<SetupInt, 64> ConverterI;
    SlotArray<double, 32> ConverterF;
    SlotArray<ShortString, 8> ConverterS;

    SlotArray<SetupInt, 64> DMXI;
    SlotArray<double, 32> DMXF;
    SlotArray<ShortString, 8> DMXS;

    SlotArray<SetupInt, 32> DatabaseManufacturerI;
    SlotArray<double, 16> DatabaseManufacturerF;
    SlotArray<ShortString, 8> DatabaseManufacturerS;

    SlotArray<SetupInt, 32> DatabaseFixtureI;
    SlotArray<double, 16> DatabaseFixtureF;
    SlotArray<ShortString, 8> DatabaseFixtureS;

    SlotArray<SetupInt, 32> DatabaseRoadCaseI;
    SlotArray<double, 16> DatabaseRoadCaseF;
    SlotArray<ShortString, 38> DatabaseRoadCaseS;

    SlotArray<SetupInt, 32> GelLibraryI;
    SlotArray<double, 16> GelLibraryF;
    SlotArray<ShortString, 8> GelLibraryS;

    SlotArray<SetupInt, 32> SpareAI;
    SlotArray<double, 16> SpareAF;
    SlotArray<ShortString, 8> SpareAS;

    SlotArray<SetupInt, 32> SpareBI;
    SlotArray<double, 16> SpareBF;
    SlotArray<ShortString, 8> SpareBS;

    // Every byte zero: every slot reads 0, 0.0 or an empty text.
    void Clear();
};

static_assert(sizeof(TQxSetupData) == TQxSetupData::kRecordBytes);
// The record is stored as raw bytes; every platform the program targets is little-endian.
static_assert(std::endian::native == std::endian::little);

}  // namespace quillux::engine
