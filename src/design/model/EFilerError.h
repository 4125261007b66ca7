#pragma once
// Failures of the card-file object stream.  Every failure of the byte-level
// reader and writer (TStreamReader, TStreamWriter, TStreamValue) and of the
// object filer above them is an EFilerError, so a caller that loads or saves
// a card needs one catch.  The texts are the program's own messages; the
// card-file commands replace them by their own message, Paste and Clone show
// them as they are.

#include "app/model/Exception.h"

namespace cw::model {

class EFilerError : public cw::Exception
{
public:
    using Exception::Exception;
};

// The stream cannot be read as a card design stream: truncated, damaged,
// not this format, or a value of the wrong kind where a property expects
// another.
class EReadError : public EFilerError
{
public:
    using EFilerError::EFilerError;

    // The stream ended (or a length points) beyond the bytes that are there.
    static EReadError streamRead() { return EReadError(QStringLiteral("Stream read error")); }
    // A record does not start with "TPF0", a tag byte is unknown, a structural
    // end marker is missing or values are nested deeper than the reader allows.
    static EReadError invalidFormat() { return EReadError(QStringLiteral("Invalid stream format")); }
    // A value carries a tag that the property (or the typed read) cannot take.
    static EReadError invalidPropertyValue() { return EReadError(QStringLiteral("Invalid property value")); }
    // A record names a property that its kind does not publish.
    static EReadError propertyDoesNotExist() { return EReadError(QStringLiteral("Property does not exist")); }
};

// A record names a class that is not among the registered kinds.
class EClassNotFound : public EFilerError
{
public:
    explicit EClassNotFound(const QString &className)
        : EFilerError(QStringLiteral("Class %1 not found").arg(className)), m_className(className)
    {
    }
    const QString &className() const noexcept { return m_className; }

private:
    QString m_className;
};

// A value cannot be expressed in the stream format (a name longer than a
// short string holds, an integer beyond 32 bits, an empty set member name).
// Raised before anything of the offending value is written.
class EWriteError : public EFilerError
{
public:
    using EFilerError::EFilerError;
};

} // namespace cw::model
