// INI text in memory: the lines index into the text as read, and only the lines this
// object writes are held apart, so Text() gives every other byte back unchanged.
#include "settings/IniFile.hpp"

#include <cstdint>
#include <limits>
#include <utility>

#include "platform/cp932.hpp"

namespace vesmark::settings {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

constexpr bool IsBlank(char c) noexcept { return c == ' ' || c == '\t'; }

std::string_view TrimLeft(std::string_view s) noexcept {
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i])) ++i;
    return s.substr(i);
}

// Blanks are single bytes below 0x40, so they are never the second byte of a
// double-byte character and trimming from the right is safe.
std::string_view TrimRight(std::string_view s) noexcept {
    std::size_t n = s.size();
    while (n > 0 && IsBlank(s[n - 1])) --n;
    return s.substr(0, n);
}

std::string_view Trim(std::string_view s) noexcept { return TrimRight(TrimLeft(s)); }

constexpr char AsciiUpper(char c) noexcept { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// Compares names ignoring ASCII case; a double-byte character is compared exactly,
// so a second byte that looks like a letter is never folded.
bool EqualNames(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) return false;
    std::size_t i = 0;
    while (i < a.size()) {
        const std::size_t len = cp932::CharLength(a, i);
        if (len == 2) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
        } else if (AsciiUpper(a[i]) != AsciiUpper(b[i])) {
            return false;
        }
        i += len;
    }
    return true;
}

// For a header line: true, and the name's offset and size when it has a "]".
bool ParseHeader(std::string_view text, bool& named, std::size_t& nameOffset,
                 std::size_t& nameSize) noexcept {
    const std::string_view rest = TrimLeft(text);
    if (rest.empty() || rest.front() != '[') return false;
    const std::size_t open = text.size() - rest.size();
    named = false;
    // "]" can be the second byte of a double-byte character: step by characters.
    for (std::size_t i = open + 1; i < text.size(); i += cp932::CharLength(text, i)) {
        if (text[i] == ']') {
            const std::string_view inner = text.substr(open + 1, i - open - 1);
            const std::string_view name = Trim(inner);
            named = true;
            nameOffset = static_cast<std::size_t>(name.data() - text.data());
            nameSize = name.size();
            break;
        }
    }
    return true;
}

// For a key line: the key name and the offset where its value starts (behind "="
// and the blanks after it). Comments and lines without "=" are not keys.
bool ParseKey(std::string_view text, std::string_view& name, std::size_t& valuePos) noexcept {
    const std::string_view rest = TrimLeft(text);
    if (rest.empty() || rest.front() == ';') return false;
    // "=" is below 0x40 and never the second byte of a double-byte character.
    const std::size_t eq = text.find('=');
    if (eq == std::string_view::npos) return false;
    name = Trim(text.substr(0, eq));
    valuePos = eq + 1;
    while (valuePos < text.size() && IsBlank(text[valuePos])) ++valuePos;
    return true;
}

// Cuts s to at most max bytes without splitting a double-byte character.
std::string_view CutToBytes(std::string_view s, std::size_t max) noexcept {
    if (s.size() <= max) return s;
    std::size_t i = 0;
    while (i < s.size()) {
        const std::size_t len = cp932::CharLength(s, i);
        if (i + len > max) break;
        i += len;
    }
    return s.substr(0, i);
}

// a + b + c in one allocation (also steers clear of a false -Wrestrict warning that
// GCC 12 gives for "literal" + std::string&&).
std::string Concat(std::string_view a, std::string_view b, std::string_view c) {
    std::string out;
    out.reserve(a.size() + b.size() + c.size());
    out.append(a).append(b).append(c);
    return out;
}

bool ParseWholeNumber(std::string_view s, int& out) noexcept {
    bool negative = false;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    if (i == s.size()) return false;
    // Accumulated as a negative number so that the smallest int fits.
    constexpr std::int64_t kMin = std::numeric_limits<int>::min();
    std::int64_t value = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return false;
        value = value * 10 - (s[i] - '0');
        if (value < kMin) return false;
    }
    if (!negative) {
        value = -value;
        if (value > std::numeric_limits<int>::max()) return false;
    }
    out = static_cast<int>(value);
    return true;
}

}  // namespace

IniFile::IniFile(std::string text) : source_(std::move(text)) {
    bom_ = source_.starts_with(kBom);
    const std::size_t n = source_.size();
    std::size_t pos = 0;
    while (pos < n) {
        Line line;
        line.pos = pos;
        const std::size_t lf = source_.find('\n', pos);
        if (lf == std::string::npos) {
            line.size = n - pos;
            pos = n;
        } else if (lf > pos && source_[lf - 1] == '\r') {
            line.size = lf - 1 - pos;
            line.eol = Eol::CrLf;
            pos = lf + 1;
        } else {
            line.size = lf - pos;
            line.eol = Eol::Lf;
            pos = lf + 1;
        }
        lines_.push_back(line);
    }

    for (std::size_t i = 0; i < lines_.size(); ++i) {
        std::string_view text = LineText(lines_[i]);
        if (i == 0 && bom_) text.remove_prefix(kBom.size());
        Section s;
        if (!ParseHeader(text, s.named, s.nameOffset, s.nameSize)) continue;
        if (i == 0 && bom_) s.nameOffset += kBom.size();
        if (!sections_.empty()) sections_.back().end = i;
        s.header = i;
        s.end = lines_.size();
        sections_.push_back(s);
    }
}

std::string_view IniFile::LineText(const Line& line) const {
    if (line.added) return added_[line.pos];
    return std::string_view(source_).substr(line.pos, line.size);
}

std::string_view IniFile::SectionName(const Section& s) const {
    return LineText(lines_[s.header]).substr(s.nameOffset, s.nameSize);
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
    for (const Section& s : sections_) {
        if (s.named && EqualNames(SectionName(s), name)) return &s;
    }
    return nullptr;
}

bool IniFile::FindKey(const Section& s, std::string_view key, KeyLine& found) const {
    for (std::size_t i = s.header + 1; i < s.end; ++i) {
        std::string_view name;
        std::size_t valuePos = 0;
        if (ParseKey(LineText(lines_[i]), name, valuePos) && EqualNames(name, key)) {
            found.line = i;
            found.valuePos = valuePos;
            return true;
        }
    }
    return false;
}

bool IniFile::FindValue(std::string_view section, std::string_view key,
                        std::string_view& value) const {
    const Section* s = FindSection(section);
    KeyLine k;
    if (s == nullptr || !FindKey(*s, key, k)) return false;
    value = LineText(lines_[k.line]).substr(k.valuePos);
    // The clock program reads values as C strings: a NUL ends the value for it too.
    value = value.substr(0, value.find('\0'));
    value = TrimRight(value);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    value = CutToBytes(value, MaxValueBytes);
    return true;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view def) const {
    std::string_view value;
    return std::string(FindValue(section, key, value) ? value : def);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int def) const {
    std::string_view text;
    int value = 0;
    return (FindValue(section, key, text) && ParseWholeNumber(text, value)) ? value : def;
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    // A line break inside a value would split the line and could start a new key or
    // section in the file; a NUL would end the value for the clock program anyway.
    value = value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));

    const Section* s = FindSection(section);
    if (s == nullptr) {
        AppendLine(Concat("[", section, "]"));
        if (!sections_.empty()) sections_.back().end = lines_.size() - 1;
        Section added;
        added.header = lines_.size() - 1;
        added.end = lines_.size();
        added.named = true;
        added.nameOffset = 1;
        added.nameSize = section.size();
        sections_.push_back(added);
        AppendLine(Concat(key, "=", value));
        return;
    }

    KeyLine k;
    if (FindKey(*s, key, k)) {
        Line& line = lines_[k.line];
        std::string text(LineText(line).substr(0, k.valuePos));
        text += value;
        added_.push_back(std::move(text));
        line.pos = added_.size() - 1;
        line.size = added_.back().size();
        line.added = true;
        return;
    }

    // A new key goes behind the last key of the section, so that comments and blank
    // lines in front of the next header stay with that header.
    std::size_t after = s->header;
    for (std::size_t i = s->header + 1; i < s->end; ++i) {
        std::string_view name;
        std::size_t valuePos = 0;
        if (ParseKey(LineText(lines_[i]), name, valuePos)) after = i;
    }
    InsertLineAfter(after, Concat(key, "=", value));
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

IniFile::Eol IniFile::NewLineEol() const {
    // Every line but the last has a line break, so this looks at two lines at most.
    for (const Line& line : lines_) {
        if (line.eol != Eol::None) return line.eol;
    }
    return Eol::CrLf;
}

void IniFile::InsertLineAfter(std::size_t index, std::string text) {
    Line line;
    line.pos = added_.size();
    line.size = text.size();
    line.added = true;
    added_.push_back(std::move(text));
    line.eol = NewLineEol();
    // A last line without a line break gets one; the new last line goes without,
    // so the text still ends the way it did.
    if (lines_[index].eol == Eol::None) {
        lines_[index].eol = line.eol;
        line.eol = Eol::None;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index) + 1, line);
    for (Section& s : sections_) {
        if (s.header > index) ++s.header;
        if (s.end > index) ++s.end;
    }
}

void IniFile::AppendLine(std::string text) {
    if (lines_.empty()) {
        Line line;
        line.pos = added_.size();
        line.size = text.size();
        line.added = true;
        line.eol = Eol::CrLf;
        added_.push_back(std::move(text));
        lines_.push_back(line);
        return;
    }
    InsertLineAfter(lines_.size() - 1, std::move(text));
}

std::string IniFile::Text() const {
    auto eolText = [](Eol eol) -> std::string_view {
        switch (eol) {
            case Eol::Lf: return "\n";
            case Eol::CrLf: return "\r\n";
            case Eol::None: break;
        }
        return {};
    };
    std::size_t total = 0;
    for (const Line& line : lines_) total += line.size + eolText(line.eol).size();
    std::string out;
    out.reserve(total);
    for (const Line& line : lines_) {
        out += LineText(line);
        out += eolText(line.eol);
    }
    return out;
}

}  // namespace vesmark::settings
