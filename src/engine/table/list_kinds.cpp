#include "engine/table/list_kinds.h"

namespace quillux::engine {

namespace {

FieldDef Text(std::string name, int size, std::string label = {}) {
    FieldDef f;
    f.name = std::move(name);
    f.type = FieldType::Text;
    f.size = size;
    f.label = std::move(label);
    return f;
}

FieldDef Decimal(std::string name, std::string label = {}, std::string displayFormat = {},
                 std::string editFormat = {}) {
    FieldDef f;
    f.name = std::move(name);
    f.type = FieldType::Double;
    f.label = std::move(label);
    f.displayFormat = std::move(displayFormat);
    f.editFormat = std::move(editFormat);
    return f;
}

FieldDef Derived(FieldDef f) {
    f.derived = true;
    f.readOnly = true;
    return f;
}

FieldDef Whole(std::string name, std::string label = {}, std::string displayFormat = {}) {
    FieldDef f;
    f.name = std::move(name);
    f.type = FieldType::Integer;
    f.label = std::move(label);
    f.displayFormat = std::move(displayFormat);
    return f;
}

FieldDef Boolean(std::string name, std::string label = {}) {
    FieldDef f;
    f.name = std::move(name);
    f.type = FieldType::Boolean;
    f.label = std::move(label);
    return f;
}

FieldDef Picture(std::string name) {
    FieldDef f;
    f.name = std::move(name);
    f.type = FieldType::Picture;
    return f;
}

FieldDef Ranged(FieldDef f, double min, double max) {
    f.minValue = min;
    f.maxValue = max;
    return f;
}

// The edit format of every decimal field of the fixture tables.
constexpr const char* kFixtureEdit = "#.##";

std::vector<FieldDef> FixtureFields() {
    return {
        Text("FixtureName", 50, "Fixture Name"),
        Text("Manufacturer", 50, "Manufacturer"),
        Text("Description", 50, "Description"),
        Text("FixtureType", 50, "FixtureType"),
        Text("DMXMode", 20, "DMX Mode"),
        Whole("Number  of DMX channel", "No. DMX ch.", "0"),
        Decimal("BeamMin", "Beam Min", "#.##'°'", kFixtureEdit),
        Decimal("BeamMax", "Beam Max", "#.##'°'", kFixtureEdit),
        Decimal("CandelaMin", "Candela Min", "#.##' Cd'", kFixtureEdit),
        Decimal("CandelaMax", "Candela Max", "#.##' Cd'", kFixtureEdit),
        Decimal("Lumens", "Lumens", "#.##' lm'", kFixtureEdit),
        Derived(Decimal("mF", "mF Min", "#.##", kFixtureEdit)),
        Decimal("ColorTemp", "ColorTemp", "#' K'", kFixtureEdit),
        Text("LampType", 50, "LampType"),
        Decimal("Watts", "Watts", "#.##' W'", kFixtureEdit),
        Ranged(Decimal("Power Factor", "pf", "#.##", kFixtureEdit), kFixturePowerFactorMin,
               kPowerFactorMax),
        Decimal("Weight", "Weight", "#.##' kg'", kFixtureEdit),
        Decimal("Lenght", "Length", "#.##' mm'", kFixtureEdit),
        Decimal("Width", "Width", "#.##' mm'", kFixtureEdit),
        Decimal("Height", "Height", "#.##' mm'", kFixtureEdit),
        Text("Gobo Size", 50, "Gobo Size"),
        Text("Dichroic Gel Size", 50, "Gel Size"),
        Derived(Decimal("WeightLbs", "WeightLbs", "#.##' lbs'", kFixtureEdit)),
        Derived(Decimal("mFMax", "mF Max", "#.##", kFixtureEdit)),
        Decimal("LumensMin", "LumensMin", "#.##' lm'", kFixtureEdit),
        Boolean("UseDipSwitch", "UseDipSwitch"),
        Boolean("DipSwitchOffset", "DipSwitchOffset"),
    };
}

std::vector<FieldDef> ManufacturerFields() {
    FieldDef name = Text("Manufacturer", 50, "Manufacturer");
    name.defaultValue = std::string("-");
    FieldDef website = Text("Website", 70, "Website");
    website.defaultValue = std::string("-");
    return {
        name,
        website,
        Text("Phone", 50, "Phone"),
        Text("PhoneHotLine", 50, "Phone HotLine"),
        Text("EmailInfo", 50, "Email Info"),
        Text("EmailSupport", 50, "Email Support"),
    };
}

std::vector<FieldDef> RoadCaseFields() {
    return {
        Text("No", 20),
        Text("Name", 50),
        Text("Description", 50),
        Decimal("Length", {}, "#.##", "#.##"),
        Decimal("Width", {}, "#.##", "#.##"),
        Decimal("Height", {}, "#.##", "#.##"),
        Decimal("Weight", {}, "#.##", "#.##"),
    };
}

std::vector<FieldDef> LoadListFields() {
    return {
        Text("Device Name", 50, "Device name"),
        Decimal("Watts", "Watt", "0.##' W'"),
        Decimal("Voltage", "Volt", "0.##"),
        Ranged(Decimal("Power Factor", "Pf", "#.##"), kLoadListPowerFactorMin, kPowerFactorMax),
        Derived(Decimal("Amperage", "Amp", "0.##' A'")),
        Text("UsedPhase", 5, "Phase"),
        Derived(Decimal("AmpX", "Amp X", "#.#")),
        Derived(Decimal("AmpY", "Amp Y", "#.#")),
        Derived(Decimal("AmpZ", "Amp Z", "#.#")),
        Derived(Decimal("AmpXN", "Amp XN", "#.#")),
        Derived(Decimal("AmpYN", "Amp YN", "#.#")),
        Derived(Decimal("AmpZN", "Amp ZN", "#.#")),
        Derived(Decimal("AmpN", "Amp N", "#.#")),
        Text("ReportName", 255),
        Decimal("VoltagePhasePhase"),
    };
}

std::vector<FieldDef> RiggingFields() {
    FieldDef no;
    no.name = "No";
    no.type = FieldType::AutoIncrement;
    no.readOnly = true;
    return {
        no,
        Text("Point", 20),
        Text("Description", 20),
        Text("ReportName", 20),
        Decimal("PointAx"),
        Decimal("PointAy"),
        Decimal("PointBy"),
        Decimal("PointLegA"),
        Decimal("PointLegB"),
        Decimal("PointAx1"),
        Decimal("PointBx1"),
        Decimal("PointTM"),
        Decimal("PointHeight1"),
        Decimal("PointHeightAvailable"),
        Decimal("PointStageHeight"),
        Text("BridleAngle", 20),
        Text("BridleAngleA", 20),
        Text("BridleAngleB", 20),
        Boolean("LookingBridle"),
        Decimal("LoadA"),
        Decimal("LoadAx"),
        Decimal("LoadAy"),
        Decimal("LoadB"),
        Decimal("LoadBx"),
        Decimal("LoadBy"),
        Decimal("LoadWeight"),
        Picture("RigValue"),
        Picture("RigLoad"),
        Picture("RigDrawing"),
    };
}

std::vector<FieldDef> WeightFields() {
    return {
        Whole("Number of Fixture", "Qty"),
        Text("FixtureName", 50, "Fixture Name"),
        Text("Manufacturer", 50, "Manufacturer"),
        Decimal("Weight", "Weight (Kg)", "0.##' Kg'"),
        Derived(Decimal("TotalWeightLbs", "Total Weight (Lbs)", "0.##' Lbs'")),
        Derived(Decimal("TotalWeightKg", "Total Weight (Kg)", "0.##' Kg'")),
        Text("ReportName", 255),
    };
}

std::vector<FieldDef> TruckFields() {
    return {
        Whole("Qty"),
        Text("No", 20),
        Text("Name", 40),
        Text("Description", 40),
        Decimal("Length", {}, "#.##"),
        Decimal("Width", {}, "#.##"),
        Decimal("Height", {}, "#.##"),
        Decimal("Weight", {}, "#.##"),
        Decimal("TotalVolume", "Total Volume", "#.##"),
        Decimal("TotalWeight", "Total Weight", "#.##"),
        Text("ReportName", 255),
    };
}

std::vector<FieldDef> DmxFields() {
    FieldDef minusOne = Boolean("AddressMinusOne");
    minusOne.defaultValue = false;
    return {
        Text("Fixture ID", 20),
        Text("Fixture name", 40),
        Text("Manufacturer", 40),
        Whole("Channel Per Fixture"),
        Whole("Channel"),
        Whole("Virtual Address"),
        Whole("Port"),
        Whole("Fixture Address"),
        Text("Address Range", 10),
        Text("DIP Switch Setting", 40),
        minusOne,
        Text("ReportName", 255),
        Boolean("UseDipSwitch"),
        Boolean("DipSwitchOffset"),
    };
}

struct KindEntry {
    TableKind kind;
    std::string_view name;
};

constexpr KindEntry kKinds[] = {
    {TableKind::Fixture, "fixture"},   {TableKind::Manufacturer, "manufacturer"},
    {TableKind::RoadCase, "roadcase"}, {TableKind::LoadList, "loadlist"},
    {TableKind::Rigging, "rigging"},   {TableKind::Weight, "weight"},
    {TableKind::Truck, "truck"},       {TableKind::Dmx, "dmx"},
};

}  // namespace

std::vector<FieldDef> FieldsOf(TableKind kind) {
    switch (kind) {
        case TableKind::Fixture:
            return FixtureFields();
        case TableKind::Manufacturer:
            return ManufacturerFields();
        case TableKind::RoadCase:
            return RoadCaseFields();
        case TableKind::LoadList:
            return LoadListFields();
        case TableKind::Rigging:
            return RiggingFields();
        case TableKind::Weight:
            return WeightFields();
        case TableKind::Truck:
            return TruckFields();
        case TableKind::Dmx:
            return DmxFields();
    }
    return {};
}

std::unique_ptr<Table> MakeTable(TableKind kind, std::string name) {
    return std::make_unique<Table>(std::move(name), FieldsOf(kind));
}

std::string_view KindName(TableKind kind) {
    for (const auto& entry : kKinds)
        if (entry.kind == kind) return entry.name;
    return {};
}

std::optional<TableKind> KindFromName(std::string_view name) {
    for (const auto& entry : kKinds)
        if (entry.name == name) return entry.kind;
    return std::nullopt;
}

const std::vector<TableKind>& AllTableKinds() {
    static const std::vector<TableKind> kinds = [] {
        std::vector<TableKind> all;
        for (const auto& entry : kKinds) all.push_back(entry.kind);
        return all;
    }();
    return kinds;
}

}  // namespace quillux::engine
