#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/common/messenger.h"
#include "engine/dmx/dmx_current_entry.h"
#include "engine/table/table.h"

namespace quillux::engine {

// The four text fields of the DMX window's edit area.
struct DmxEntryFields {
    std::string id;
    std::int32_t channel = 0;  // console channel
    std::string name;
    std::string manufacturer;
};

// Where the next Add Multiple continues (the dialog's remembered start ID, address, port).
struct DmxAddMultipleNext {
    std::int32_t id = 0;
    std::int32_t address = 0;
    std::int32_t port = 0;
};

// Progress of a bulk operation: `done` rows of `total`; called with 0 first and `total` last.
using DmxProgress = std::function<void(int done, int total)>;

// The operations of the DMX address list (`TableDMX`, fields of TableKind::Dmx) that write
// rows from the current entry or rewrite the selected rows. A selection is a set of records,
// visited in list order; after a bulk operation the row that was current is current again, and
// views get one reset instead of one change per row.
class DmxListOperations {
public:
    // `messenger` shows the table errors of the bulk operations; may be null (errors then only
    // stop the operation).
    DmxListOperations(Table& table, DmxCurrentEntry& entry, Messenger* messenger = nullptr);

    // `EditDataEntry`: writes the current entry into the row being appended or edited, then
    // posts it.
    void EditDataEntry(const DmxEntryFields& fields);
    // Add: a new row at the end from the current entry. Any error is swallowed.
    void Add(const DmxEntryFields& fields);
    // Apply changes: the current entry written over the current row.
    void ApplyChanges(const DmxEntryFields& fields);

    // Add Multiple: `count` rows with IDs from `startId`, addresses stepping on from
    // `startAddress` of `startPort` by the entry's channel count, each fixture that would pass
    // address 512 starting the next port. Returns where the next Add Multiple continues.
    DmxAddMultipleNext AddMultiple(const DmxEntryFields& fields, std::int32_t count,
                                   std::int32_t startId, std::int32_t startPort,
                                   std::int32_t startAddress);

    void AutoAddress(const std::vector<RecordId>& selected, std::int32_t startAddress,
                     std::int32_t startPort, const DmxProgress& progress = {});
    void AutoChannel(const std::vector<RecordId>& selected, std::int32_t start,
                     std::int32_t increment, const DmxProgress& progress = {});
    void AutoID(const std::vector<RecordId>& selected, std::int32_t start, std::int32_t increment,
                const DmxProgress& progress = {});

    // The parts of the current-entry setters that rewrite the selection; each does nothing
    // unless more than one row is selected. The entry itself is changed by DmxCurrentEntry.
    void SetPortOfSelected(const std::vector<RecordId>& selected, std::int32_t port,
                           const DmxProgress& progress = {});
    void SetOffsetOfSelected(const std::vector<RecordId>& selected, bool offset,
                             const DmxProgress& progress = {});
    void SetChannelOfSelected(const std::vector<RecordId>& selected, std::int32_t channel,
                              const DmxProgress& progress = {});
    void SetNameOfSelected(const std::vector<RecordId>& selected, const std::string& name,
                           const DmxProgress& progress = {});
    void SetManufacturerOfSelected(const std::vector<RecordId>& selected,
                                   const std::string& manufacturer,
                                   const DmxProgress& progress = {});

    // Deletes the current row; on an empty list shows "List already empty". Afterwards the
    // first row is current and holds `reportDescription` in "ReportName" again (the deleted
    // row may have carried it). Returns true when the list is now empty.
    bool DeleteCurrentRow(const std::string& reportDescription);
    // Deletes the selected rows, with progress; the row that was current stays current when
    // it was not deleted, otherwise the first row becomes current. As above, the first row
    // keeps the description. Returns true when the list is now empty.
    bool DeleteSelected(const std::vector<RecordId>& selected, const std::string& reportDescription,
                        const DmxProgress& progress = {});

    struct LoadedRow {
        DmxEntryFields fields;
        bool dipSwitchOffset = false;  // the window sets its offset box to this afterwards
    };
    // `DataBaseToVar`: the current row into the current entry; nothing on an empty list.
    std::optional<LoadedRow> DataBaseToVar();

    // Every visible row, in list order (the dialogs' "All").
    static std::vector<RecordId> AllRows(const Table& table);

private:
    // Visits the selected rows in list order, each in its own edit that `change` fills and
    // this posts. A table error abandons that row's change, is reported and stops the visit.
    void ForEachSelected(const std::vector<RecordId>& selected, const DmxProgress& progress,
                         const std::function<void(std::int32_t index)>& change);
    void ReportError(const std::exception& error);
    // Moves to the first row and stores the description there when it differs.
    void KeepReportDescription(const std::string& reportDescription);

    Table& table_;
    DmxCurrentEntry& entry_;
    Messenger* messenger_;
};

}  // namespace quillux::engine
