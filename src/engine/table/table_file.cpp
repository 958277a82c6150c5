#include "engine/table/table_file.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <cerrno>
#include <initializer_list>
#include <memory>

#include "engine/number/format_float_value.h"
#include "engine/table/atomic_file.h"

namespace quillux::engine {

namespace {

// Joins pieces of a message (plain operator+ chains trip a false -Wrestrict in GCC 12).
std::string Join(std::initializer_list<std::string_view> pieces) {
    std::string out;
    for (const auto piece : pieces) out.append(piece);
    return out;
}

// --- writing -----------------------------------------------------------------------------

bool Written(const FieldDef& field, TableFileFormat format) {
    return !(format == TableFileFormat::Export && field.type == FieldType::Picture);
}

void AppendQuoted(std::string& out, std::string_view text) {
    out.push_back('"');
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') {
            out.append(text, start, i + 1 - start);
            out.push_back('"');
            start = i + 1;
        }
    }
    out.append(text, start, std::string_view::npos);
    out.push_back('"');
}

void AppendEscapedText(std::string& out, std::string_view text) {
    out.push_back('"');
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char* escape = nullptr;
        switch (c) {
        case '%': escape = "%%"; break;
        case '\r': escape = "%c"; break;
        case '\n': escape = "%n"; break;
        case '\0': escape = "%0"; break;
        case '"': escape = "\"\""; break;
        default: continue;
        }
        out.append(text, start, i - start);
        out.append(escape, 2);
        start = i + 1;
    }
    out.append(text, start, std::string_view::npos);
    out.push_back('"');
}

void AppendValue(std::string& out, const Value& value) {
    switch (value.index()) {
    case 0: return;  // null: nothing between the commas
    case 1: AppendEscapedText(out, std::get<std::string>(value)); return;
    case 2: {
        char digits[16];
        const auto result = std::to_chars(digits, digits + sizeof digits, std::get<std::int32_t>(value));
        out.push_back('"');
        out.append(digits, result.ptr);
        out.push_back('"');
        return;
    }
    case 3:
        out.push_back('"');
        AppendDecimalText(out, std::get<double>(value));
        out.push_back('"');
        return;
    case 4: out.append(std::get<bool>(value) ? "\"True\"" : "\"False\""); return;
    case 5: AppendQuoted(out, EncodeBinaryText(std::get<Bytes>(value))); return;
    default: return;
    }
}

// --- reading -----------------------------------------------------------------------------

constexpr bool IsLineEnd(char c) { return c == '\r' || c == '\n' || c == '\0'; }

constexpr std::array<bool, 256> MakeStopTable(bool quoted) {
    std::array<bool, 256> table{};
    table[static_cast<unsigned char>('"')] = true;
    table[static_cast<unsigned char>('\r')] = true;
    table[static_cast<unsigned char>('\n')] = true;
    table[0] = true;
    if (!quoted) table[static_cast<unsigned char>(',')] = true;
    return table;
}

constexpr std::array<bool, 256> kStopUnquoted = MakeStopTable(false);
constexpr std::array<bool, 256> kStopQuoted = MakeStopTable(true);

struct Cell {
    std::size_t begin = 0;  // into the record's scratch text
    std::size_t end = 0;
    bool quoted = false;
};

// Splits the text into records of cells. The cell texts of one record live in `scratch`
// (reused from record to record), so reading allocates only for the values it keeps.
class RecordSplitter {
public:
    explicit RecordSplitter(std::string_view text) : text_(text) {
        if (text_.size() >= 3 && static_cast<unsigned char>(text_[0]) == 0xEF &&
            static_cast<unsigned char>(text_[1]) == 0xBB && static_cast<unsigned char>(text_[2]) == 0xBF)
            pos_ = 3;  // a byte-order mark left by an editor
        scratch_.reserve(4096);
    }

    // Next non-blank record; false at the end of the text.
    bool Next() {
        while (pos_ < text_.size()) {
            if (ReadRecord()) return true;
        }
        return false;
    }

    int RecordLine() const { return recordLine_; }
    std::size_t CellCount() const { return cells_.size(); }
    bool Quoted(std::size_t i) const { return cells_[i].quoted; }
    std::string_view CellText(std::size_t i) const {
        return std::string_view(scratch_).substr(cells_[i].begin, cells_[i].end - cells_[i].begin);
    }

private:
    void ConsumeLineEnd() {
        const char first = text_[pos_++];
        int lines = 1;
        if (pos_ < text_.size() && IsLineEnd(text_[pos_])) {
            if (!(first == '\r' && text_[pos_] == '\n')) lines = 2;
            ++pos_;
        }
        line_ += lines;
    }

    // Reads one physical record (which may span lines inside quotes); false for a blank line.
    bool ReadRecord() {
        cells_.clear();
        scratch_.clear();
        recordLine_ = line_;
        Cell cell{};
        bool inQuotes = false;
        bool sawComma = false;
        bool afterComma = false;
        const std::size_t n = text_.size();
        const char* data = text_.data();
        while (pos_ < n) {
            const auto& stop = inQuotes ? kStopQuoted : kStopUnquoted;
            const std::size_t runStart = pos_;
            while (pos_ < n && !stop[static_cast<unsigned char>(data[pos_])]) ++pos_;
            if (pos_ > runStart) {
                scratch_.append(data + runStart, pos_ - runStart);
                afterComma = false;
            }
            if (pos_ >= n) break;
            const char c = data[pos_];
            if (inQuotes) {
                if (c == '"') {
                    if (pos_ + 1 < n && data[pos_ + 1] == '"') {
                        scratch_.push_back('"');
                        pos_ += 2;
                    } else {
                        inQuotes = false;
                        ++pos_;
                    }
                } else {
                    ConsumeLineEnd();
                    scratch_.push_back('\n');  // a line end inside quotes is one line feed
                }
                continue;
            }
            if (c == ',') {
                cell.end = scratch_.size();
                cells_.push_back(cell);
                cell = Cell{scratch_.size(), scratch_.size(), false};
                sawComma = true;
                afterComma = true;
                ++pos_;
            } else if (c == '"') {
                inQuotes = true;
                cell.quoted = true;
                afterComma = false;
                ++pos_;
            } else {
                ConsumeLineEnd();
                break;
            }
        }
        cell.end = scratch_.size();
        if (!sawComma && !cell.quoted) {
            // Nothing but blanks on the line: skipped like an empty line.
            bool blank = true;
            for (std::size_t i = cell.begin; i < cell.end && blank; ++i)
                blank = scratch_[i] == ' ' || scratch_[i] == '\t';
            if (blank) return false;
        }
        // The "," at the end of a line ends the last value; it opens no new one.
        if (!(afterComma && cell.begin == cell.end && !cell.quoted)) cells_.push_back(cell);
        return true;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int recordLine_ = 1;
    std::vector<Cell> cells_;
    std::string scratch_;
};

std::string Unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] != '%') {
            ++i;
            continue;
        }
        out.append(text, start, i - start);
        if (i + 1 >= text.size()) {  // a "%" at the very end is dropped
            start = i = text.size();
            break;
        }
        switch (text[i + 1]) {
        case '%': out.push_back('%'); break;
        case 'c': out.push_back('\r'); break;
        case 'n': out.push_back('\n'); break;
        case '0': out.push_back('\0'); break;
        default:  // never written by the program: keep both characters as they stand
            out.push_back('%');
            out.push_back(text[i + 1]);
            break;
        }
        i += 2;
        start = i;
    }
    out.append(text, start, std::string_view::npos);
    return out;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool ParseDouble(std::string_view text, double& value) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

bool ParseInt32(std::string_view text, std::int32_t& value) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

void AppendDecimalText(std::string& out, double value) {
    if (!std::isfinite(value)) {
        out += FormatFloatValue(value, FloatFormat::General, 15, 0, ".");
        return;
    }
    if (value == 0) {
        out.push_back('0');
        return;
    }
    // 18 significant digits, correctly rounded (as the long-double expansion gives them: a
    // double converts to long double exactly), then cut to 15 rounding halves up.
    char buffer[40];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                            std::chars_format::scientific, 17);
    (void)error;
    char digits[19];
    int count = 0;
    const char* p = buffer;
    for (; p < end && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') digits[count++] = *p;
    int exponent = 1;  // the value reads 0.d1d2... × 10^exponent
    {
        int parsed = 0;
        std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), end, parsed);
        exponent = parsed + 1;
    }
    constexpr int kKeep = 15;
    const bool roundUp = digits[kKeep] >= '5';
    count = kKeep;
    if (roundUp) {
        int i = kKeep - 1;
        while (i >= 0 && digits[i] == '9') digits[i--] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            digits[0] = '1';
            for (int j = 1; j < kKeep; ++j) digits[j] = '0';
            ++exponent;
        }
    }
    while (count > 0 && digits[count - 1] == '0') --count;

    if (value < 0) out.push_back('-');
    if (exponent > kKeep || exponent < -3) {
        out.push_back(digits[0]);
        if (count > 1) {
            out.push_back('.');
            out.append(digits + 1, static_cast<std::size_t>(count - 1));
        }
        out.push_back('E');
        char exponentText[8];
        const auto written = std::to_chars(exponentText, exponentText + sizeof exponentText, exponent - 1);
        out.append(exponentText, written.ptr);
        return;
    }
    if (exponent <= 0) {
        out.append("0.");
        out.append(static_cast<std::size_t>(-exponent), '0');
        out.append(digits, static_cast<std::size_t>(count));
        return;
    }
    if (count <= exponent) {
        out.append(digits, static_cast<std::size_t>(count));
        out.append(static_cast<std::size_t>(exponent - count), '0');
    } else {
        out.append(digits, static_cast<std::size_t>(exponent));
        out.push_back('.');
        out.append(digits + exponent, static_cast<std::size_t>(count - exponent));
    }
}

std::string EncodeBinaryText(const Bytes& bytes) {
    std::string out;
    out.reserve((4 * bytes.size() + 2) / 3);
    std::uint32_t bits = 0;
    int count = 0;
    for (const std::uint8_t byte : bytes) {
        bits |= static_cast<std::uint32_t>(byte) << count;
        count += 8;
        while (count >= 6) {
            out.push_back(static_cast<char>((bits & 0x3F) + 32));
            bits >>= 6;
            count -= 6;
        }
    }
    if (count > 0) out.push_back(static_cast<char>((bits & 0x3F) + 32));
    return out;
}

Bytes DecodeBinaryText(std::string_view text) {
    const std::size_t total = (3 * text.size()) / 4;
    Bytes out;
    out.reserve(total);
    std::uint32_t bits = 0;
    int count = 0;
    for (const char c : text) {
        bits |= (static_cast<std::uint32_t>(static_cast<unsigned char>(c) - 32) & 0x3F) << count;
        count += 6;
        if (count >= 8) {
            if (out.size() == total) break;
            out.push_back(static_cast<std::uint8_t>(bits & 0xFF));
            bits >>= 8;
            count -= 8;
        }
    }
    return out;
}

void WriteTableText(const Table& table, TableFileFormat format, std::string& out) {
    const auto& fields = table.Fields();
    std::vector<std::size_t> columns;
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (Written(fields[i], format)) columns.push_back(i);

    for (const std::size_t i : columns) {
        AppendQuoted(out, fields[i].name);
        out.push_back(',');
    }
    out.append("\r\n");
    const int rows = table.RecordCount();
    for (int row = 0; row < rows; ++row) {
        for (const std::size_t i : columns) {
            AppendValue(out, table.ValueAt(row, static_cast<int>(i)));
            out.push_back(',');
        }
        out.append("\r\n");
    }
}

std::string WriteTableText(const Table& table, TableFileFormat format) {
    std::string out;
    WriteTableText(table, format, out);
    return out;
}

void SaveTableToFile(const Table& table, const std::filesystem::path& path, TableFileFormat format) {
    WriteFileAtomically(path, WriteTableText(table, format));
}

TableReadResult ReadTableText(Table& table, std::string_view text, std::string_view sourceName) {
    TableReadResult result;
    RecordSplitter splitter(text);
    if (!splitter.Next()) return result;  // no header: an empty table

    const auto& fields = table.Fields();
    std::vector<int> columnField(splitter.CellCount(), -1);
    for (std::size_t c = 0; c < splitter.CellCount(); ++c) columnField[c] = table.FieldIndex(splitter.CellText(c));

    std::vector<Record> records;
    auto fail = [&](int line, std::string message) {
        result.complete = false;
        result.errorLine = line;
        result.error = Join({"File \"", sourceName, "\", line ", std::to_string(line), ": ", message});
    };

    while (splitter.Next()) {
        Record record = table.NewRecord();
        const std::size_t cells = std::min(splitter.CellCount(), columnField.size());
        bool bad = false;
        for (std::size_t c = 0; c < cells && !bad; ++c) {
            const int field = columnField[c];
            if (field < 0) continue;
            const std::string_view cell = splitter.CellText(c);
            if (cell.empty() && !splitter.Quoted(c)) continue;  // null
            const FieldDef& def = fields[static_cast<std::size_t>(field)];
            Value& target = record[static_cast<std::size_t>(field)];
            switch (def.type) {
            case FieldType::Text:
                if (std::memchr(cell.data(), '%', cell.size()) != nullptr)
                    target = Unescape(cell);
                else
                    target = std::string(cell);
                break;
            case FieldType::Double: {
                const std::string_view trimmed = TrimBlanks(cell);
                if (trimmed.empty()) break;  // an empty number is null
                double number = 0;
                if (!ParseDouble(trimmed, number)) {
                    fail(splitter.RecordLine(),
                         Join({"'", cell, "' is not a valid floating point value for field '", def.name, "'"}));
                    bad = true;
                    break;
                }
                target = number;
                break;
            }
            case FieldType::Integer:
            case FieldType::AutoIncrement: {
                const std::string_view trimmed = TrimBlanks(cell);
                if (trimmed.empty()) break;
                std::int32_t number = 0;
                if (!ParseInt32(trimmed, number)) {
                    fail(splitter.RecordLine(),
                         Join({"'", cell, "' is not a valid integer value for field '", def.name, "'"}));
                    bad = true;
                    break;
                }
                target = number;
                break;
            }
            case FieldType::Boolean:
                // Exactly "True" is true; "true", "1" or anything else is false.
                target = (cell == "True");
                break;
            case FieldType::Picture: target = DecodeBinaryText(cell); break;
            }
        }
        if (bad) break;
        records.push_back(std::move(record));
    }
    result.recordsRead = static_cast<int>(records.size());
    table.AppendRecords(std::move(records));
    return result;
}

TableReadResult LoadTableFromFile(Table& table, const std::filesystem::path& path) {
    TableReadResult result;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) {
        result.complete = false;
        result.error = Join({"Cannot open file \"", path.string(), "\": ", std::strerror(errno)});
        return result;
    }
    std::string text;
    char chunk[1 << 16];
    std::size_t got = 0;
    if (std::fseek(file.get(), 0, SEEK_END) == 0) {
        const long size = std::ftell(file.get());
        if (size > 0) text.reserve(static_cast<std::size_t>(size));
        std::fseek(file.get(), 0, SEEK_SET);
    }
    while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) text.append(chunk, got);
    if (std::ferror(file.get())) {
        result.complete = false;
        result.error = Join({"Cannot read file \"", path.string(), "\""});
        return result;
    }
    return ReadTableText(table, text, path.string());
}

}  // namespace quillux::engine
