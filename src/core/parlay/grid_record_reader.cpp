#include "core/parlay/grid_record_reader.h"

#include "core/i18n/catalogue.h"
#include "core/i18n/utf16.h"
#include "core/i18n/utf8.h"

namespace orvanta::grid_file {

namespace {

// A name from the file, safe to show in a message.
std::string Printable(std::string_view name) {
    std::string out;
    for (char c : name) {
        out += c >= 0x20 && c < 0x7F ? c : '?';
    }
    return out;
}

// The 8-bit forms were written in the program's ANSI code page.
std::string EightBit(std::string_view bytes) {
    return IsAscii(bytes) ? std::string(bytes) : DecodeWindows1253(bytes);
}

}  // namespace

void UnknownProperty(std::string_view name) {
    Fail("Unknown property \"" + Printable(name) + "\"");
}

void RecordReader::BeginRecord() {
    if (Take(kSignature.size()) != kSignature) {
        Fail(kInvalidStreamFormat);
    }
    ShortString();  // the record type: the position in the file decides
    ShortString();  // the object name
}

std::optional<std::string_view> RecordReader::NextProperty() {
    const std::string_view name = ShortString();
    if (name.empty()) {
        return std::nullopt;
    }
    return name;
}

void RecordReader::EndRecord() {
    if (Byte() != 0) {
        Fail(kInvalidStreamFormat);  // child records are not part of the format
    }
}

std::int32_t RecordReader::Int() {
    switch (Byte()) {
        case kTagInt8:
            return static_cast<std::int8_t>(Byte());
        case kTagInt16:
            return static_cast<std::int16_t>(Read(m_in.U16()));
        case kTagInt32:
            return Read(m_in.I32());
        default:
            Fail(kInvalidPropertyValue);
    }
}

bool RecordReader::Bool() {
    switch (Byte()) {
        case kTagFalse:
            return false;
        case kTagTrue:
            return true;
        default:
            Fail(kInvalidPropertyValue);
    }
}

std::string RecordReader::Text() {
    switch (Byte()) {
        case kTagShortText:
            return EightBit(Take(Byte()));
        case kTagLongText:
            return EightBit(Take(Length(1)));
        case kTagUtf8Text:
            return CleanUtf8(Take(Length(1)));
        case kTagUtf16Text:
            return Utf16LeToUtf8(Take(Length(2) * 2));
        default:
            Fail(kInvalidPropertyValue);
    }
}

int RecordReader::Enum(const NameList& list) {
    const auto position = FindName(list, Ident());
    if (!position) {
        Fail(kInvalidPropertyValue);
    }
    return *position;
}

GridColour RecordReader::Colour() {
    if (Peek() != kTagIdent) {
        return GridColour{Int()};
    }
    const auto colour = ColourFromName(Ident());
    if (!colour) {
        Fail(kInvalidPropertyValue);
    }
    return *colour;
}

std::uint8_t RecordReader::Set(const NameList& list) {
    if (Byte() != kTagSet) {
        Fail(kInvalidPropertyValue);
    }
    unsigned bits = 0;
    for (std::string_view member = ShortString(); !member.empty(); member = ShortString()) {
        const auto position = FindName(list, member);
        if (!position) {
            Fail(kInvalidPropertyValue);
        }
        bits |= 1u << *position;
    }
    return static_cast<std::uint8_t>(bits);
}

void RecordReader::Extended(std::uint8_t (&value)[10]) {
    if (Byte() != kTagExtended) {
        Fail(kInvalidPropertyValue);
    }
    const std::string_view bytes = Take(10);
    for (int i = 0; i < 10; ++i) {
        value[i] = static_cast<std::uint8_t>(bytes[static_cast<std::size_t>(i)]);
    }
}

std::size_t RecordReader::Length(std::size_t unit_size) {
    const std::int32_t length = Read(m_in.I32());
    if (length < 0) {
        Fail(kInvalidPropertyValue);
    }
    if (static_cast<std::size_t>(length) > Left() / unit_size) {
        Fail(kStreamReadError);
    }
    return static_cast<std::size_t>(length);
}

std::string_view RecordReader::Ident() {
    if (Byte() != kTagIdent) {
        Fail(kInvalidPropertyValue);
    }
    return ShortString();
}

}  // namespace orvanta::grid_file
