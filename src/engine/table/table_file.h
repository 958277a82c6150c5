#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "engine/table/table.h"

namespace quillux::engine {

// The two comma-separated formats. They differ only in picture fields: the table file format
// writes them (6-bit text), the export format leaves them out, header included.
enum class TableFileFormat { Table, Export };

// Appends the text of `table` to `out`: UTF-8 without byte-order mark, CR LF line ends, a
// header of quoted field names each followed by ",", then one line per visible record in the
// table's current order (so a filtered table writes only what passes its filter).
void WriteTableText(const Table& table, TableFileFormat format, std::string& out);
std::string WriteTableText(const Table& table, TableFileFormat format);

// Writes the table to `path` atomically (see WriteFileAtomically); FileWriteError on failure.
void SaveTableToFile(const Table& table, const std::filesystem::path& path, TableFileFormat format);

struct TableReadResult {
    int recordsRead = 0;   // records appended to the table
    bool complete = true;  // false when a value stopped the load or the file could not be read
    int errorLine = 0;     // 1-based line of the file where the load stopped
    std::string error;     // message for the user, naming the file and the line
};

// Reads table text into `table`, appending its records (records already in the table stay).
// Columns are matched to fields by name, letter case ignored; unknown columns are skipped.
// A decimal or whole-number value that is not a number stops the load: the records before
// that line are kept. `sourceName` is the file name used in messages.
TableReadResult ReadTableText(Table& table, std::string_view text, std::string_view sourceName);

// Reads the file at `path` (see ReadTableText). A file that cannot be opened gives
// complete = false and a message naming it.
TableReadResult LoadTableFromFile(Table& table, const std::filesystem::path& path);

// Reads the text record by record without keeping the records (a converter or a check):
// each record, with the table's calc-fields handler applied, is given to `visit`, then
// dropped. Same rules, messages and stop on a bad value as ReadTableText; the table itself
// is not changed.
TableReadResult ScanTableText(Table& table, std::string_view text, std::string_view sourceName,
                              const std::function<void(const Record&)>& visit);
TableReadResult ScanTableFile(Table& table, const std::filesystem::path& path,
                              const std::function<void(const Record&)>& visit);

// The header line, and one record's line, as WriteTableText writes them.
void WriteTableHeader(const Table& table, TableFileFormat format, std::string& out);
void WriteRecordLine(const Table& table, const Record& record, TableFileFormat format,
                     std::string& out);

// The text of a decimal value in both formats: exactly FormatFloatValue(value, General, 15,
// 0, "."), produced without its long-double expansion (files of many records write fast).
void AppendDecimalText(std::string& out, double value);

// The 6-bit text of binary values: bits taken least significant first, each group of six
// written as the character group + 32. n bytes give (4n + 2) / 3 characters; c characters
// give back (3c) / 4 bytes.
std::string EncodeBinaryText(const Bytes& bytes);
Bytes DecodeBinaryText(std::string_view text);

}  // namespace quillux::engine
