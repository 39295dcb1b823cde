#pragma once

// The grid file's records as the reader sees them: a signature, a type name,
// an object name and a list of named, typed properties. RecordReader reads
// the values; a table of PropertyRules says, for each property a record may
// hold, where its value goes. Any fault ends the load with an OperationError.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/base/byte_reader.h"
#include "core/base/operation_error.h"
#include "core/grid/text_grid.h"
#include "core/parlay/grid_file.h"
#include "core/parlay/grid_file_format.h"

namespace orvanta::grid_file {

[[noreturn]] inline void Fail(const std::string& text) {
    throw OperationError(text);
}

[[noreturn]] void UnknownProperty(std::string_view name);

// Reads records from the bytes of a file. Every length is checked against the
// bytes still there before anything is taken or allocated.
class RecordReader {
public:
    explicit RecordReader(std::string_view bytes) : m_in(bytes) {}

    std::size_t Left() const { return m_in.Left(); }

    void BeginRecord();
    // The next property's name, or nothing at the end of the list.
    std::optional<std::string_view> NextProperty();
    void EndRecord();

    std::int32_t Int();
    bool Bool();
    std::string Text();
    int Enum(const NameList& list);
    GridColour Colour();
    std::uint8_t Set(const NameList& list);
    void Extended(std::uint8_t (&value)[10]);

private:
    // What a read gave, or the end of the load when the bytes ran out.
    template <typename T>
    T Read(T value) {
        if (!m_in.Ok()) {
            Fail(kStreamReadError);
        }
        return value;
    }

    std::uint8_t Peek() { return Read(m_in.PeekU8()); }
    std::uint8_t Byte() { return Read(m_in.U8()); }
    std::string_view Take(std::size_t n) { return Read(m_in.Bytes(n)); }
    std::string_view ShortString() { return Take(Byte()); }
    std::size_t Length(std::size_t unit_size);
    std::string_view Ident();

    ByteReader m_in;
};

// How one named property of a record is read into what the record fills.
template <typename Target>
struct PropertyRule {
    std::string_view name;
    void (*read)(RecordReader& r, Target& target);
};

// Reads the property `full_name`, which must be `prefix` and one of the names
// in `rules`.
template <typename Target, std::size_t N>
void ReadProperty(RecordReader& r, std::string_view full_name,
                  const PropertyRule<Target> (&rules)[N], Target& target,
                  std::string_view prefix = {}) {
    if (full_name.substr(0, prefix.size()) == prefix) {
        const std::string_view name = full_name.substr(prefix.size());
        for (const PropertyRule<Target>& rule : rules) {
            if (rule.name == name) {
                rule.read(r, target);
                return;
            }
        }
    }
    UnknownProperty(full_name);
}

// A record whose every property has its rule.
template <typename Target, std::size_t N>
void ReadRecord(RecordReader& r, const PropertyRule<Target> (&rules)[N], Target& target,
                std::string_view prefix = {}) {
    r.BeginRecord();
    while (const auto name = r.NextProperty()) {
        ReadProperty(r, *name, rules, target, prefix);
    }
    r.EndRecord();
}

}  // namespace orvanta::grid_file
