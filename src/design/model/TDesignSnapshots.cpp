#include "design/model/TDesignSnapshots.h"

#include "design/model/TGGraphicControl.h"
#include "design/model/TStreamWriter.h"

#include <QtEndian>

#include <cstring>
#include <limits>

namespace cw::model {

namespace {

bool isLargeBinary(const TStreamValue &value)
{
    if (value.kind() != TStreamValue::Kind::Binary)
        return false;
    const qsizetype size = value.asBinary().size();
    // Beyond 32 bits the writer refuses the value; it is left to it.
    return size >= TDesignSnapshots::LargeBinary && size <= qsizetype(std::numeric_limits<quint32>::max());
}

bool sameEntries(const std::vector<TFilerEntry> &a, const std::vector<TFilerEntry> &b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].Name != b[i].Name)
            return false;
        const TStreamValue &x = a[i].Value;
        const TStreamValue &y = b[i].Value;
        if (x.kind() == TStreamValue::Kind::Binary && y.kind() == TStreamValue::Kind::Binary) {
            if (!TDesignSnapshots::SameBytes(x.asBinary(), y.asBinary()))
                return false;
        } else if (!(x == y)) {
            return false;
        }
    }
    return true;
}

const QByteArray &listBegin()
{
    static const QByteArray bytes(1, char(TagList));
    return bytes;
}

const QByteArray &listEnd()
{
    static const QByteArray bytes(1, char(TagNull));
    return bytes;
}

} // namespace

bool TDesignSnapshots::SameBytes(const QByteArray &a, const QByteArray &b)
{
    if (a.size() != b.size())
        return false;
    return a.constData() == b.constData() || std::memcmp(a.constData(), b.constData(), size_t(a.size())) == 0;
}

bool TDesignSnapshots::Same(const TStreamPieces &a, const TStreamPieces &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (!SameBytes(a[i], b[i]))
            return false;
    return true;
}

QByteArray TDesignSnapshots::Join(const TStreamPieces &pieces)
{
    qsizetype total = 0;
    for (const QByteArray &piece : pieces)
        total += piece.size();
    QByteArray stream;
    stream.reserve(total);
    for (const QByteArray &piece : pieces)
        stream.append(piece);
    return stream;
}

TStreamPieces TDesignSnapshots::Take(const std::vector<TGGraphicControl *> &objects)
{
    std::unordered_map<const TGGraphicControl *, Remembered> now;
    TStreamPieces pieces{listBegin()};
    for (TGGraphicControl *object : objects) {
        if (!object)
            continue;
        object->BeforeSave();
        const auto found = m_objects.find(object);
        // What was remembered is taken over (m_objects is replaced below).
        Remembered made = record(*object, found == m_objects.end() ? nullptr : &found->second);
        pieces.append(made.Pieces);
        now.insert_or_assign(object, std::move(made));
    }
    pieces.append(listEnd());

    m_objects = std::move(now);
    m_large.clear();
    for (const QByteArray &piece : pieces)
        if (piece.size() >= LargeBinary)
            m_large.emplace(piece.size(), piece);
    return pieces;
}

TDesignSnapshots::Remembered TDesignSnapshots::record(TGGraphicControl &object, Remembered *before)
{
    Remembered made;
    made.Zoom = object.Zoom();
    made.ClassName = object.ClassName();
    made.Name = object.Name;
    made.Entries = TGLabelObjectFiler::StoredEntries(object);
    if (before && before->Zoom == made.Zoom && before->ClassName == made.ClassName &&
        before->Name == made.Name && sameEntries(before->Entries, made.Entries))
        return std::move(*before); // unchanged: the same pieces; the fresh copies go

    if (made.Zoom == 1.0f) {
        appendPieces(made.Pieces, made.ClassName, made.Name, made.Entries);
    } else {
        // A copy brought back to 100 % keeps the zoom on screen untouched.
        std::unique_ptr<TGGraphicControl> copy = object.CloneObject();
        copy->SetZoom(1.0f);
        std::vector<TFilerEntry> entries = TGLabelObjectFiler::StoredEntries(*copy);
        appendPieces(made.Pieces, made.ClassName, made.Name, entries);
        // The entries at the zoom keep the shared bytes too.
        for (TFilerEntry &entry : made.Entries)
            if (isLargeBinary(entry.Value))
                entry.Value = TStreamValue::binary(sharedBytes(entry.Value.asBinary()));
    }
    return made;
}

void TDesignSnapshots::appendPieces(TStreamPieces &pieces, const QString &className, const QString &name,
                                    std::vector<TFilerEntry> &entries)
{
    // The bytes TGLabelObjectFiler::WriteRecord writes, cut before and after
    // every large binary value.
    TStreamWriter writer;
    writer.writeRecordBegin(className, name);
    for (TFilerEntry &entry : entries) {
        writer.writePropertyName(entry.Name);
        if (!isLargeBinary(entry.Value)) {
            entry.Value.writeTo(writer);
            continue;
        }
        const QByteArray bytes = sharedBytes(entry.Value.asBinary());
        entry.Value = TStreamValue::binary(bytes); // remembered without a copy of its own
        writer.writeTag(TagBinary);
        QByteArray head = writer.takeData();
        char count[4];
        qToLittleEndian(quint32(bytes.size()), count);
        head.append(count, 4);
        pieces.append(head);
        pieces.append(bytes);
    }
    writer.writeRecordEnd();
    pieces.append(writer.takeData());
}

QByteArray TDesignSnapshots::sharedBytes(const QByteArray &bytes)
{
    auto [at, end] = m_large.equal_range(bytes.size());
    for (; at != end; ++at)
        if (SameBytes(at->second, bytes))
            return at->second;
    m_large.emplace(bytes.size(), bytes);
    return bytes;
}

} // namespace cw::model
