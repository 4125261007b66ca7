#pragma once
// The tag byte in front of every value of the card-file object stream.
// Tags 0..14 are what this program writes; 18 (wide string) is written for
// text that Windows-1252 cannot hold; 20 (UTF-8 string) is only read.  Any
// other byte is not a value of this format.

#include <QtGlobal>

namespace cw::model {

enum TStreamTag : quint8 {
    TagNull = 0,        // no payload; ends a list, a set of properties, a collection
    TagList = 1,        // values until TagNull
    TagInt8 = 2,        // 1 byte, signed
    TagInt16 = 3,       // 2 bytes, signed
    TagInt32 = 4,       // 4 bytes, signed
    TagExtended = 5,    // 10-byte x87 extended float
    TagString = 6,      // short string (length byte, up to 255 Windows-1252 bytes)
    TagIdent = 7,       // short string holding an identifier
    TagFalse = 8,       // no payload
    TagTrue = 9,        // no payload
    TagBinary = 10,     // 4-byte length, then the bytes
    TagSet = 11,        // short strings naming the members, then an empty short string
    TagLString = 12,    // 4-byte length, then Windows-1252 bytes (256 or more)
    TagNil = 13,        // no payload; an absent object
    TagCollection = 14, // items (optional integer, then properties until TagNull) until TagNull
    TagWString = 18,    // 4-byte count of UTF-16 code units, then UTF-16LE
    TagUtf8String = 20, // 4-byte length, then UTF-8 bytes (read only)
};

// Whether a byte is a tag this format knows.
constexpr bool isStreamTag(quint8 byte) noexcept
{
    return byte <= TagCollection || byte == TagWString || byte == TagUtf8String;
}

} // namespace cw::model
