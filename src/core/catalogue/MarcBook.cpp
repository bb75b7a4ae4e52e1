#include "MarcBook.h"

#include "MarcDecoder.h"
#include "MarcRecord.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace tarvo {

namespace {

struct Mapping
{
    const char *tag;
    char code;
    QString column;
    QString caption;
};

const std::array<Mapping, MarcBook::kTextCount> &mappings()
{
    static const std::array<Mapping, MarcBook::kTextCount> m{{
        {"010", 'a', u"BookIsbn"_s, u"ISBN号"_s},
        {"010", 'b', u"Grade"_s, u"等级"_s},
        {"101", 'a', u"language"_s, u"语言"_s},
        {"200", 'a', u"Name"_s, u"中文名称"_s},
        {"200", 'e', u"YName"_s, u"原文名称"_s},
        {"200", 'f', u"Writer"_s, u"作者"_s},
        {"200", 'g', u"Translator"_s, u"译者"_s},
        {"210", 'c', u"Publisher"_s, u"出版社"_s},
        {"210", 'd', u"PubDate"_s, u"出版日期"_s},
        {"215", 'a', u"BookPage"_s, u"书籍页码"_s},
        {"215", 'd', u"Size"_s, u"尺寸"_s},
        {"215", 'e', u"Attach"_s, u"附件"_s},
        {"330", 'a', u"Remarks1"_s, u"摘要"_s},
        {"690", 'a', u"SortCode"_s, u"分类号"_s},
        {"690", 'v', u"PubNum"_s, u"版次"_s},
    }};
    return m;
}

QStringList listOf(QString Mapping::*member)
{
    QStringList list;
    for (const Mapping &m : mappings())
        list << m.*member;
    return list;
}

} // namespace

const QStringList &MarcBook::textColumns()
{
    static const QStringList columns = listOf(&Mapping::column);
    return columns;
}

const QStringList &MarcBook::textCaptions()
{
    static const QStringList captions = listOf(&Mapping::caption);
    return captions;
}

MarcBook MarcBook::read(const MarcRecord &record, MarcDecoder &decoder)
{
    MarcBook book;
    for (const MarcRecord::Field &field : record.fields()) {
        for (qsizetype i = 0; i < kTextCount; ++i) {
            const Mapping &m = mappings()[i];
            if (field.tag != m.tag)
                continue;
            const QString text = decoder.decode(MarcRecord::subfield(field.data, m.code));
            if (!text.isEmpty())
                book.m_texts[i] = text;
        }
        if (field.tag == "010") {
            const QString text = decoder.decode(MarcRecord::subfield(field.data, 'd'));
            if (const std::optional<double> value = price(text))
                book.m_price = value;
        }
    }
    return book;
}

std::optional<double> MarcBook::price(QStringView text)
{
    // Whatever stands before the number (a currency) is passed over; the number ends
    // at a second point or at any other character, so a volume count after it
    // ("(全2册)") is not run into the price. Thousands commas inside it are dropped.
    QString number;
    bool point = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isDigit())
            number += QChar(u'0' + c.digitValue());
        else if (c == u'.' && !point && (!number.isEmpty() || (i + 1 < text.size() && text[i + 1].isDigit()))) {
            point = true;
            number += c;
        } else if (!number.isEmpty() && (c != u',' || point))
            break;
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return std::round(value * 10000.0) / 10000.0;
}

} // namespace tarvo
