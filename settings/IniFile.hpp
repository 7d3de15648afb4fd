// An INI text held in memory: reads values by section and key, writes them in place,
// and gives back the text with every line it did not write kept byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vesmark::settings {

// How the text is read and written (the file is shared with the clock program):
// - Lines end in LF or CR LF; a CR anywhere else is an ordinary byte. Lines that
//   this object adds end like the first line break of the text (LF or CR LF; CR LF
//   when the text has none). A text without a final line break keeps it that way.
// - A line whose first non-blank byte is "[" starts a section. Its name is the text
//   up to the first "]", without blanks around it; a header without "]" starts a
//   section that no name matches, so the lines under it are never read or written
//   and never taken for the section above it.
// - In a section, a line with "=" is a key (the text before the first "=", without
//   blanks around it); a line without "=", or whose first non-blank byte is ";", is
//   kept and otherwise ignored. Lines before the first header belong to no section.
// - Section and key names match without regard to the case of ASCII letters.
// - When a section name occurs more than once, only the first such section is read
//   and written; when a key occurs more than once in it, only the first one. The
//   later ones stay in the text, untouched.
// - A UTF-8 byte-order mark at the very start is kept, and a header behind it is
//   still recognised.
// - A NUL byte is kept like any other byte; a value read ends at its first NUL.
// - Lines may be of any length; a value read gives at most MaxValueBytes bytes.
class IniFile {
public:
    // The longest value ReadString gives; longer values are cut, never inside a
    // double-byte character.
    static constexpr std::size_t MaxValueBytes = 2047;

    IniFile() = default;
    explicit IniFile(std::string text);

    // The value with blanks around it dropped and then one enclosing pair of double
    // quotes removed; def when the section or key is absent.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view def) const;
    // A whole number: optional sign and decimal digits only (after the rules of
    // ReadString); def when absent, malformed or out of range.
    int ReadInteger(std::string_view section, std::string_view key, int def) const;
    // A whole number, non-zero meaning on; def when absent or not a whole number.
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;

    // Writes value as it is (the caller adds any quotes). The value ends before its
    // first CR, LF or NUL byte, so it can never split into further lines.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

    // The whole text with the writes applied.
    std::string Text() const;

private:
    enum class Eol : std::uint8_t { None, Lf, CrLf };

    struct Line {
        std::size_t pos = 0;   // offset in source_, or index in added_ when added
        std::size_t size = 0;  // bytes without the line break
        Eol eol = Eol::None;
        bool added = false;
    };

    struct Section {
        std::size_t header = 0;  // index of the header line
        std::size_t end = 0;     // one past its last line
        bool named = false;      // false for a header without "]"
        std::size_t nameOffset = 0;  // the name's place in the header line
        std::size_t nameSize = 0;
    };

    struct KeyLine {
        std::size_t line = 0;
        std::size_t valuePos = 0;  // offset in the line where the value starts
    };

    std::string_view LineText(const Line& line) const;
    std::string_view SectionName(const Section& s) const;
    const Section* FindSection(std::string_view name) const;
    bool FindKey(const Section& s, std::string_view key, KeyLine& found) const;
    // The value as ReadString gives it, viewing into the text.
    bool FindValue(std::string_view section, std::string_view key, std::string_view& value) const;
    void InsertLineAfter(std::size_t index, std::string text);
    void AppendLine(std::string text);
    Eol NewLineEol() const;

    std::string source_;
    std::vector<std::string> added_;
    std::vector<Line> lines_;
    std::vector<Section> sections_;
    bool bom_ = false;
};

}  // namespace vesmark::settings
