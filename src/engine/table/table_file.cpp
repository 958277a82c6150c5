#include "engine/table/table_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <limits>
#include <memory>

#include "engine/number/format_float_value.h"
#include "engine/table/atomic_file.h"
#include "engine/text/join.h"

namespace quillux::engine {

namespace {

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
            case '%':
                escape = "%%";
                break;
            case '\r':
                escape = "%c";
                break;
            case '\n':
                escape = "%n";
                break;
            case '\0':
                escape = "%0";
                break;
            case '"':
                escape = "\"\"";
                break;
            default:
                continue;
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
        case 0:
            return;  // null: nothing between the commas
        case 1:
            AppendEscapedText(out, std::get<std::string>(value));
            return;
        case 2: {
            char digits[16];
            const auto result =
                std::to_chars(digits, digits + sizeof digits, std::get<std::int32_t>(value));
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
        case 4:
            out.append(std::get<bool>(value) ? "\"True\"" : "\"False\"");
            return;
        case 5:
            AppendQuoted(out, EncodeBinaryText(std::get<Bytes>(value)));
            return;
        default:
            return;
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
    std::size_t begin = 0;  // into the source text, or into the scratch text when inScratch
    std::size_t end = 0;
    bool quoted = false;
    bool inScratch = false;
};

// Splits the text into records of cells. A cell that is one plain run ("abc", or abc) is
// a view of the source text; only cells with doubled quotes, line ends inside quotes or
// several quoted parts are put together in `scratch` (reused from record to record).
class RecordSplitter {
public:
    explicit RecordSplitter(std::string_view text) : text_(text) {
        if (text_.size() >= 3 && static_cast<unsigned char>(text_[0]) == 0xEF &&
            static_cast<unsigned char>(text_[1]) == 0xBB &&
            static_cast<unsigned char>(text_[2]) == 0xBF)
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
        const Cell& cell = cells_[i];
        const std::string_view from = cell.inScratch ? std::string_view(scratch_) : text_;
        return from.substr(cell.begin, cell.end - cell.begin);
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

    bool EndsCell(std::size_t at) const {
        return at >= text_.size() || text_[at] == ',' || IsLineEnd(text_[at]);
    }

    std::size_t Scan(std::size_t from, const std::array<bool, 256>& stop) const {
        const char* data = text_.data();
        const std::size_t n = text_.size();
        while (from < n && !stop[static_cast<unsigned char>(data[from])]) ++from;
        return from;
    }

    // The common cells, "value" and value, as views of the source; false when the cell
    // needs the general rules.
    bool SimpleCell(Cell& cell) {
        if (pos_ < text_.size() && text_[pos_] == '"') {
            const std::size_t close = Scan(pos_ + 1, kStopQuoted);
            if (close >= text_.size() || text_[close] != '"' || !EndsCell(close + 1)) return false;
            cell = Cell{pos_ + 1, close, true, false};
            pos_ = close + 1;
            return true;
        }
        const std::size_t stop = Scan(pos_, kStopUnquoted);
        if (!EndsCell(stop)) return false;
        cell = Cell{pos_, stop, false, false};
        pos_ = stop;
        return true;
    }

    // One cell by the general rules, put together in scratch.
    void GeneralCell(Cell& cell) {
        cell = Cell{scratch_.size(), scratch_.size(), false, true};
        bool inQuotes = false;
        const std::size_t n = text_.size();
        const char* data = text_.data();
        while (pos_ < n) {
            const std::size_t runStart = pos_;
            pos_ = Scan(pos_, inQuotes ? kStopQuoted : kStopUnquoted);
            scratch_.append(data + runStart, pos_ - runStart);
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
            if (c == '"') {
                inQuotes = true;
                cell.quoted = true;
                ++pos_;
                continue;
            }
            break;  // "," or a line end: the cell is complete
        }
        cell.end = scratch_.size();
    }

    // Reads one record (which may span lines inside quotes); false for a blank line.
    bool ReadRecord() {
        cells_.clear();
        scratch_.clear();
        recordLine_ = line_;
        const std::size_t n = text_.size();
        bool sawComma = false;
        while (true) {
            Cell cell;
            if (!SimpleCell(cell)) GeneralCell(cell);
            if (pos_ < n && text_[pos_] == ',') {
                cells_.push_back(cell);
                sawComma = true;
                ++pos_;
                if (pos_ >= n || IsLineEnd(text_[pos_])) break;  // "," ends the last value
                continue;
            }
            // A line end or the end of the text.
            const bool blank = !sawComma && !cell.quoted && [&] {
                const std::string_view content =
                    cell.inScratch ? std::string_view(scratch_) : text_;
                for (std::size_t i = cell.begin; i < cell.end; ++i)
                    if (content[i] != ' ' && content[i] != '\t') return false;
                return true;
            }();
            if (!blank) cells_.push_back(cell);
            if (pos_ < n) ConsumeLineEnd();
            return !blank;
        }
        if (pos_ < n) ConsumeLineEnd();
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
            case '%':
                out.push_back('%');
                break;
            case 'c':
                out.push_back('\r');
                break;
            case 'n':
                out.push_back('\n');
                break;
            case '0':
                out.push_back('\0');
                break;
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

// Plain decimals ("2.5", "-0.00012", "1200") whose digits make an integer of at most 2^53:
// that integer and the power of ten are exact doubles, so one division gives the correctly
// rounded value (the general parser handles everything else).
bool ParseSimpleDecimal(std::string_view text, double& value) {
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                         1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const char* p = text.data();
    const char* const end = p + text.size();
    const bool negative = p < end && *p == '-';
    if (negative) ++p;
    std::uint64_t mantissa = 0;
    const char* const integerStart = p;
    while (p < end && static_cast<unsigned>(*p - '0') < 10)
        mantissa = mantissa * 10 + static_cast<unsigned>(*p++ - '0');
    const auto integerDigits = p - integerStart;
    std::ptrdiff_t decimals = 0;
    if (p < end && *p == '.') {
        const char* const fractionStart = ++p;
        while (p < end && static_cast<unsigned>(*p - '0') < 10)
            mantissa = mantissa * 10 + static_cast<unsigned>(*p++ - '0');
        decimals = p - fractionStart;
    }
    constexpr std::uint64_t kExactLimit = std::uint64_t{1} << 53;
    if (p != end || integerDigits + decimals == 0 || integerDigits + decimals > 19 ||
        decimals > 22 || mantissa > kExactLimit)
        return false;
    double result = static_cast<double>(mantissa);
    if (decimals > 0) result /= kPowers[decimals];
    value = negative ? -result : result;
    return true;
}

bool ParseDouble(std::string_view text, double& value) {
    if (ParseSimpleDecimal(text, value)) return true;
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
    char digits[19];
    int count = 0;
    int exponent = 1;  // the value reads 0.d1d2... × 10^exponent
    char buffer[40];
    auto readScientific = [&](const char* end) {
        count = 0;
        const char* p = buffer;
        for (; p < end && *p != 'e'; ++p)
            if (*p >= '0' && *p <= '9') digits[count++] = *p;
        int parsed = 0;
        std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), end, parsed);
        exponent = parsed + 1;
    };
    constexpr int kKeep = 15;
    // The shortest text that reads back: when it has at most 15 digits it is also what the
    // 18-digit expansion cut to 15 gives (the value lies far closer to it than half a unit
    // of the 15th digit).
    // (Not for subnormal values, whose units are coarse.)
    const bool normal = std::fabs(value) >= std::numeric_limits<double>::min();
    if (normal) {
        const auto shortest = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                            std::chars_format::scientific);
        readScientific(shortest.ptr);
    }
    if (!normal || count > kKeep) {
        // 18 significant digits, correctly rounded (as the long-double expansion gives them:
        // a double converts to long double exactly), then cut to 15 rounding halves up.
        const auto expanded = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                            std::chars_format::scientific, 17);
        readScientific(expanded.ptr);
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
        const auto written =
            std::to_chars(exponentText, exponentText + sizeof exponentText, exponent - 1);
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

    WriteTableHeader(table, format, out);
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

void SaveTableToFile(const Table& table, const std::filesystem::path& path,
                     TableFileFormat format) {
    WriteFileAtomically(path, WriteTableText(table, format));
}

namespace {

void CutText(std::string& text, int characters) {
    if (characters <= 0 || text.size() <= static_cast<std::size_t>(characters)) return;
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && count++ == characters) {
            text.resize(i);
            return;
        }
    }
}

// The one reading loop: each record is filled into `record` (all fields null first) and
// handed to `take`, which keeps it or looks at it and lets it be reused.
template <class Take>
TableReadResult ParseTable(const Table& table, std::string_view text, std::string_view sourceName,
                           Take take) {
    TableReadResult result;
    RecordSplitter splitter(text);
    if (!splitter.Next()) return result;  // no header: an empty table

    const auto& fields = table.Fields();
    std::vector<int> columnField(splitter.CellCount(), -1);
    for (std::size_t c = 0; c < splitter.CellCount(); ++c)
        columnField[c] = table.FieldIndex(splitter.CellText(c));

    auto fail = [&](int line, const std::string& message) {
        result.complete = false;
        result.errorLine = line;
        result.error =
            Join({"File \"", sourceName, "\", line ", std::to_string(line), ": ", message});
    };

    Record record = table.NewRecord();
    while (splitter.Next()) {
        for (Value& value : record.Values()) value = std::monostate{};
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
                case FieldType::Text: {
                    std::string value = std::memchr(cell.data(), '%', cell.size()) != nullptr
                                            ? Unescape(cell)
                                            : std::string(cell);
                    CutText(value, def.size);
                    target = std::move(value);
                    break;
                }
                case FieldType::Double: {
                    const std::string_view trimmed = TrimBlanks(cell);
                    if (trimmed.empty()) break;  // an empty number is null
                    double number = 0;
                    if (!ParseDouble(trimmed, number)) {
                        fail(splitter.RecordLine(),
                             Join({"'", cell, "' is not a valid floating point value for field '",
                                   def.name, "'"}));
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
                             Join({"'", cell, "' is not a valid integer value for field '",
                                   def.name, "'"}));
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
                case FieldType::Picture:
                    target = DecodeBinaryText(cell);
                    break;
            }
        }
        if (bad) break;
        take(record);
        ++result.recordsRead;
    }
    return result;
}

}  // namespace

TableReadResult ReadTableText(Table& table, std::string_view text, std::string_view sourceName) {
    std::vector<Record> records;
    const TableReadResult result = ParseTable(table, text, sourceName, [&](Record& record) {
        records.push_back(std::move(record));
        record = table.NewRecord();
    });
    table.AppendRecords(std::move(records));
    return result;
}

TableReadResult ScanTableText(Table& table, std::string_view text, std::string_view sourceName,
                              const std::function<void(const Record&)>& visit) {
    return ParseTable(table, text, sourceName, [&](Record& record) {
        table.Calculate(record);
        visit(record);
    });
}

void WriteTableHeader(const Table& table, TableFileFormat format, std::string& out) {
    for (const auto& field : table.Fields()) {
        if (!Written(field, format)) continue;
        AppendQuoted(out, field.name);
        out.push_back(',');
    }
    out.append("\r\n");
}

void WriteRecordLine(const Table& table, const Record& record, TableFileFormat format,
                     std::string& out) {
    const auto& fields = table.Fields();
    for (std::size_t i = 0; i < fields.size() && i < record.Size(); ++i) {
        if (!Written(fields[i], format)) continue;
        AppendValue(out, record[i]);
        out.push_back(',');
    }
    out.append("\r\n");
}

namespace {

// Opens and maps the file, then hands its whole text to `read`.
template <class Read>
TableReadResult WithFileText(const std::filesystem::path& path, Read read) {
    TableReadResult result;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        result.complete = false;
        result.error = Join({"Cannot open file \"", path.string(), "\": ", std::strerror(errno)});
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : errno;
        ::close(fd);
        result.complete = false;
        result.error = Join({"Cannot read file \"", path.string(), "\": ", std::strerror(error)});
        return result;
    }
    const auto size = static_cast<std::size_t>(info.st_size);
    if (size == 0) {
        ::close(fd);
        return read(std::string_view{});
    }
    // Mapped rather than copied: the reader only looks at the bytes once.
    void* mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
    if (mapped != MAP_FAILED) {
        ::close(fd);
        ::madvise(mapped, size, MADV_SEQUENTIAL);
        result = read(std::string_view(static_cast<const char*>(mapped), size));
        ::munmap(mapped, size);
        return result;
    }
    std::string text(size, '\0');
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, text.data() + got, size - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    text.resize(got);
    return read(std::string_view(text));
}

}  // namespace

TableReadResult LoadTableFromFile(Table& table, const std::filesystem::path& path) {
    const std::string name = path.string();
    return WithFileText(path,
                        [&](std::string_view text) { return ReadTableText(table, text, name); });
}

TableReadResult ScanTableFile(Table& table, const std::filesystem::path& path,
                              const std::function<void(const Record&)>& visit) {
    const std::string name = path.string();
    return WithFileText(
        path, [&](std::string_view text) { return ScanTableText(table, text, name, visit); });
}

}  // namespace quillux::engine
