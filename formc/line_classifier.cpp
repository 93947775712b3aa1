#include "line_classifier.h"

#include <cstdint>

#include "text_view.h"

namespace {

constexpr size_t None = std::string_view::npos;

// The line is examined eight bytes at a time, as one 64-bit word whose lowest
// byte comes first; a byte test sets the top bit of every byte that passes.
constexpr uint64_t EveryByte = 0x0101010101010101;
constexpr uint64_t LowBits = 0x7f7f7f7f7f7f7f7f;

// The compiler turns this into a single load where the byte order allows.
inline uint64_t LoadWord(const unsigned char *bytes)
{
    return static_cast<uint64_t>(bytes[0]) | static_cast<uint64_t>(bytes[1]) << 8 |
           static_cast<uint64_t>(bytes[2]) << 16 | static_cast<uint64_t>(bytes[3]) << 24 |
           static_cast<uint64_t>(bytes[4]) << 32 | static_cast<uint64_t>(bytes[5]) << 40 |
           static_cast<uint64_t>(bytes[6]) << 48 | static_cast<uint64_t>(bytes[7]) << 56;
}

// The word at `k`; past the end of the line, zero bytes, which no test takes
// for a mark. The last word of a line is loaded from the line's last eight
// bytes and shifted down, so no byte outside the line is read.
uint64_t WordAt(std::string_view line, size_t k)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(line.data());
    const size_t rest = line.size() - k;
    if (rest >= 8)
        return LoadWord(bytes + k);
    if (line.size() >= 8)
        return LoadWord(bytes + line.size() - 8) >> (8 * (8 - rest));
    uint64_t word = 0;
    for (size_t i = rest; i-- > 0;)
        word = word << 8 | bytes[k + i];
    return word;
}

// The top bit of exactly the bytes of `word` that equal `c`.
uint64_t BytesEqual(uint64_t word, char c)
{
    const uint64_t x = word ^ (EveryByte * static_cast<unsigned char>(c));
    return ~(((x & LowBits) + LowBits) | x | LowBits);
}

// The index of the lowest byte marked in a nonzero `marks`.
size_t LowestMarked(uint64_t marks)
{
    const uint64_t lowest = (marks & (~marks + 1)) >> 7; // 1 << 8 * index
    return static_cast<size_t>((lowest * 0x0001020304050607) >> 56);
}

// The space at `space` begins " AS " in any case (spaces only: tabs around AS
// do not count).
bool AsAfter(std::string_view line, size_t space)
{
    return space + 3 < line.size() && (line[space + 1] | 0x20) == 'a' && (line[space + 2] | 0x20) == 's' &&
           line[space + 3] == ' ';
}

// What the first tests look for, found in one pass over the line: the first
// " AS " and, when there is none, whether there is an equals sign.
struct LineMarks {
    size_t as = None;
    bool equals = false;
};

LineMarks FindMarks(std::string_view line)
{
    LineMarks marks;
    const size_t n = line.size();
    for (size_t k = 0; k < n; k += 8) {
        const uint64_t word = WordAt(line, k);
        for (uint64_t spaces = BytesEqual(word, ' '); spaces != 0; spaces &= spaces - 1) {
            const size_t space = k + LowestMarked(spaces);
            if (AsAfter(line, space)) {
                marks.as = space;
                return marks;
            }
        }
        marks.equals = marks.equals || BytesEqual(word, '=') != 0;
    }
    return marks;
}

} // namespace

Statement ClassifyLine(std::string_view line, bool formDone)
{
    if (formDone || (!line.empty() && (line[0] == '\'' || line[0] == '$')))
        return {StatementKind::PassThrough, {}, {}};
    if (EqualsUpperCased(line, "END"))
        return {StatementKind::End, {}, {}};
    const LineMarks marks = FindMarks(line);
    if (marks.as != None) {
        const std::string_view name = TrimBlanks(line.substr(0, marks.as));
        const std::string_view type = TrimBlanks(line.substr(marks.as + 4));
        const bool form = EqualsUpperCased(type, "FORM");
        return {form ? StatementKind::FormDeclaration : StatementKind::ControlDeclaration, name, type};
    }
    if (marks.equals)
        return {StatementKind::Property, {}, {}};
    if (const size_t colon = line.find(':'); colon != None)
        return {StatementKind::EventHandler, TrimBlanks(line.substr(0, colon)),
                TrimBlanks(line.substr(colon + 1))};
    if (line.empty())
        return {StatementKind::Blank, {}, {}};
    return {StatementKind::Unknown, {}, {}};
}
