#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace tarvo {

class MarcDecoder;
class MarcRecord;

// What one MARC record gives a pre-catalogue (BookInfoPre) row: the texts of the
// subfields read, by column, and the price of 010 $d.
class MarcBook
{
public:
    static constexpr qsizetype kTextCount = 15;

    // The text columns, in the order of texts(), and their names for the operator.
    static const QStringList &textColumns();
    static const QStringList &textCaptions();

    // Reads the mapped subfields of a record. A tag that occurs again replaces the
    // values of the subfields it has; other tags are passed over.
    static MarcBook read(const MarcRecord &record, MarcDecoder &decoder);

    // The price in a 010 $d text: the first number in it, its digits and first point
    // ("CNY25.00" 25, "12.5.3" 12.5, "CNY1,280.00(全2册)" 1280), rounded to 4 decimals;
    // nothing when the text holds no digit.
    static std::optional<double> price(QStringView text);

    const std::array<QString, kTextCount> &texts() const { return m_texts; }
    std::optional<double> bookPrice() const { return m_price; }

private:
    std::array<QString, kTextCount> m_texts;
    std::optional<double> m_price;
};

} // namespace tarvo
