#include <string>
#include <vector>

#include "cli/command_registry.h"
#include "cli/json_output.h"
#include "engine/electrical/load_list.h"

namespace quillux::cli {
namespace {

using engine::ElectricalLoadList;
using engine::LoadListDevice;
using engine::LoadListSystem;

// Messages the list would show in a box; the first one becomes the error of the command.
class CollectingMessenger : public engine::Messenger {
public:
    engine::MessageAnswer ShowMessage(engine::MessageKind, const std::string&,
                                      const std::string& text, engine::MessageButtons) override {
        messages.push_back(text);
        return engine::MessageAnswer::Ok;
    }
    std::vector<std::string> messages;
};

// "NAME;WATTS;VOLTS;PF;PHASE": the last four ";" split, so a name may hold ";" itself.
LoadListDevice ParseDevice(const std::string& text) {
    std::vector<std::string> parts;
    std::string rest = text;
    for (int i = 0; i < 4; ++i) {
        const auto cut = rest.rfind(';');
        if (cut == std::string::npos) {
            throw UsageError("option --device needs \"NAME;WATTS;VOLTS;PF;PHASE\", not '" + text +
                             "'");
        }
        parts.insert(parts.begin(), rest.substr(cut + 1));
        rest.erase(cut);
    }
    LoadListDevice device;
    device.name = rest;
    device.watts = Arguments::ParseNumber("device", parts[0]);
    device.voltage = Arguments::ParseNumber("device", parts[1]);
    device.powerFactor = Arguments::ParseNumber("device", parts[2]);
    device.usedPhase = parts[3];
    return device;
}

Json NumberField(const engine::Table& table, const engine::Record& record, const char* field) {
    const engine::Value& value = record[static_cast<std::size_t>(table.RequireField(field))];
    if (const auto* d = std::get_if<double>(&value)) return NumberOrNull(*d);
    return nullptr;
}

Json TextField(const engine::Table& table, const engine::Record& record, const char* field) {
    const engine::Value& value = record[static_cast<std::size_t>(table.RequireField(field))];
    if (engine::IsNull(value)) return nullptr;
    return engine::ValueToText(value);
}

int RunLoadList(Arguments& arguments) {
    const std::string mode = arguments.Choice("mode", {"single", "three"});
    const std::string voltage = arguments.RequiredText("voltage");
    Arguments::ParseNumber("voltage", voltage);
    std::vector<LoadListDevice> devices;
    for (const std::string& text : arguments.Repeated("device"))
        devices.push_back(ParseDevice(text));
    const std::string balance = arguments.Choice("balance", {"phases", "device"}, "");
    arguments.Finish();

    CollectingMessenger messenger;
    ElectricalLoadList list(messenger);
    list.RB_ThreePhaseClick(mode == "three" ? LoadListSystem::ThreePhase
                                            : LoadListSystem::SinglePhase);
    list.EditVoltagePhasePhaseChange(voltage);
    for (const LoadListDevice& device : devices) {
        if (!list.AppendDevice(device)) {
            throw UsageError("device '" + device.name + "': " +
                             (messenger.messages.empty() ? "refused" : messenger.messages.front()));
        }
    }
    if (balance == "phases") list.Button_BalancePhasesPerPhasesClick();
    if (balance == "device") list.Button_BalancePhasesPerFixtureClick();

    const engine::Table& table = list.TableElecL();
    Json rows = Json::array();
    for (int row = 0; row < table.RecordCount(); ++row) {
        const engine::Record& r = table.RecordAt(row);
        rows.push_back({
            {"name", TextField(table, r, "Device Name")},
            {"watts", NumberField(table, r, "Watts")},
            {"voltage", NumberField(table, r, "Voltage")},
            {"pf", NumberField(table, r, "Power Factor")},
            {"amperage", NumberField(table, r, "Amperage")},
            {"phase", TextField(table, r, "UsedPhase")},
            {"ampX", NumberField(table, r, "AmpX")},
            {"ampY", NumberField(table, r, "AmpY")},
            {"ampZ", NumberField(table, r, "AmpZ")},
            {"ampXN", NumberField(table, r, "AmpXN")},
            {"ampYN", NumberField(table, r, "AmpYN")},
            {"ampZN", NumberField(table, r, "AmpZN")},
            {"ampN", NumberField(table, r, "AmpN")},
        });
    }
    const engine::LoadListFooters& f = list.Footers();
    PrintJson({{"rows", rows},
               {"footers",
                {{"count", f.count},
                 {"watts", f.watts},
                 {"voltage", f.voltage},
                 {"amperage", f.amperage},
                 {"phase", f.phase},
                 {"ampX", f.ampX},
                 {"ampY", f.ampY},
                 {"ampZ", f.ampZ},
                 {"ampXN", f.ampXN},
                 {"ampYN", f.ampYN},
                 {"ampZN", f.ampZN},
                 {"ampN", f.ampN},
                 {"totalX", f.totalX},
                 {"totalY", f.totalY},
                 {"totalZ", f.totalZ}}}});
    return 0;
}

const CommandRegistration kLoadList({
    "loadlist",
    "derive an electrical load list and its totals",
    "--mode single|three --voltage V [--device \"NAME;WATTS;VOLTS;PF;PHASE\" ...]\n"
    "  [--balance phases|device]\n"
    "  V is the phase-to-phase system voltage; PHASE one of X-N, Y-N, Z-N, X-Y, Y-Z, Z-X, X-Y-Z",
    RunLoadList,
});

}  // namespace
}  // namespace quillux::cli
