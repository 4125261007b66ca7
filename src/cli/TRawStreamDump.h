#pragma once
// The tagged-value tree of any object stream, as `cardwright-cli dump --raw`
// prints it.  It needs no registry: class and property names are shown as
// the stream holds them.  The input may be an object list (01 … 00), one
// record starting "TPF0", or several records back to back.
//
//   list
//     record TBCShapes "Special1"
//       Left: Int8 10
//       Items.Strings: List
//         String "first line"
//       end
//     end
//   end
//
// Every value shows its tag: Int8/Int16/Int32 n, Extended x, String/LString/
// WString/Utf8String "text", Ident name, False, True, Binary <N bytes> with
// up to 16 leading bytes in hex, Set [a,b], Nil, List … end, Collection …
// end.  A record's optional prefix byte is shown after its header.  Child
// records (controls of a form written by another program; they carry no
// "TPF0") are shown nested inside their parent, before its "end".
// Failures are EReadError with the reader's message.

#include <QByteArray>
#include <QString>

namespace cw::model {
class TStreamReader;
}

namespace cw::cli {

class TRawStreamDump
{
public:
    static QString Dump(const QByteArray &data);

private:
    explicit TRawStreamDump(model::TStreamReader &reader) : m_reader(reader) {}
    // One record; a child record has no "TPF0" of its own.
    void record(int depth, bool child);
    void value(int depth, const QString &label);
    void line(int depth, const QString &text);

    model::TStreamReader &m_reader;
    QString m_text;
};

} // namespace cw::cli
