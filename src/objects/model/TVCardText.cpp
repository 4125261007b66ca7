#include "objects/model/TVCardText.h"

namespace cw::model {

QString TVCardText::Escape(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == u'\\' || c == u',' || c == u';') {
            out += u'\\';
            out += c;
        } else if (c == u'\r') {
            // CR LF, a lone CR and a lone LF are each one line break.
            if (i + 1 < value.size() && value.at(i + 1) == u'\n')
                ++i;
            out += QStringLiteral("\\n");
        } else if (c == u'\n') {
            out += QStringLiteral("\\n");
        } else {
            out += c;
        }
    }
    return out;
}

QString TVCardText::Build(const QStringList &values)
{
    auto value = [&values](int index) {
        return index < values.size() ? values.at(index).trimmed() : QString();
    };
    const QString name = value(0);
    QString family = name;
    QString given;
    const int split = name.lastIndexOf(u' ');
    if (split > 0) {
        family = name.mid(split + 1);
        given = name.left(split).trimmed();
    }

    QString text;
    auto line = [&text](const QString &content) {
        text += content;
        text += QStringLiteral("\r\n");
    };
    auto field = [&](const QString &key, int index) {
        if (!value(index).isEmpty())
            line(key + u':' + Escape(value(index)));
    };
    line(QStringLiteral("BEGIN:VCARD"));
    line(QStringLiteral("VERSION:3.0"));
    line(QStringLiteral("N:") + Escape(family) + u';' + Escape(given) + QStringLiteral(";;;"));
    line(QStringLiteral("FN:") + Escape(name));
    field(QStringLiteral("ORG"), 1);
    field(QStringLiteral("TITLE"), 2);
    if (!value(3).isEmpty() || !value(4).isEmpty() || !value(5).isEmpty())
        line(QStringLiteral("ADR;TYPE=WORK:;;") + Escape(value(3)) + u';' + Escape(value(4)) + u';' +
             Escape(value(5)) + QStringLiteral(";;"));
    field(QStringLiteral("TEL;TYPE=WORK,VOICE"), 6);
    field(QStringLiteral("TEL;TYPE=VOICE"), 7);
    field(QStringLiteral("EMAIL;TYPE=INTERNET"), 8);
    field(QStringLiteral("TEL;TYPE=WORK,FAX"), 9);
    line(QStringLiteral("END:VCARD"));
    return text;
}

} // namespace cw::model
