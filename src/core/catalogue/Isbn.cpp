#include "Isbn.h"

using namespace Qt::StringLiterals;

namespace tarvo::Isbn {

namespace {

bool allDigits(QStringView text)
{
    for (const QChar c : text) {
        if (!c.isDigit() || c.unicode() > 0x7f)
            return false;
    }
    return true;
}

bool isIsbn10Shape(const QString &c)
{
    return c.size() == 10 && allDigits(QStringView(c).left(9)) && (c.at(9).isDigit() || c.at(9) == u'X');
}

bool isIsbn13Shape(const QString &c)
{
    return c.size() == 13 && allDigits(c);
}

QChar isbn10CheckDigit(QStringView nine)
{
    int sum = 0;
    for (int i = 0; i < 9; ++i)
        sum += (10 - i) * nine.at(i).digitValue();
    const int check = (11 - sum % 11) % 11;
    return check == 10 ? u'X' : QChar(u'0' + check);
}

QChar isbn13CheckDigit(QStringView twelve)
{
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += twelve.at(i).digitValue() * (i % 2 == 0 ? 1 : 3);
    return QChar(u'0' + (10 - sum % 10) % 10);
}

} // namespace

QString compact(const QString &typed)
{
    QString c;
    c.reserve(typed.size());
    for (const QChar ch : typed) {
        if (ch == u'-' || ch.isSpace())
            continue;
        c.append(ch == u'x' ? u'X' : ch);
    }
    return c;
}

QString toIsbn13(const QString &typed)
{
    const QString c = compact(typed);
    if (isIsbn13Shape(c))
        return c;
    if (!isIsbn10Shape(c))
        return {};
    const QString twelve = u"978"_s + c.left(9);
    return twelve + isbn13CheckDigit(twelve);
}

QString toIsbn10(const QString &typed)
{
    const QString c = compact(typed);
    if (isIsbn10Shape(c))
        return c;
    if (!isIsbn13Shape(c) || !c.startsWith(u"978"))
        return {};
    const QString nine = c.mid(3, 9);
    return nine + isbn10CheckDigit(nine);
}

bool hasValidCheckDigit(const QString &typed)
{
    const QString c = compact(typed);
    if (isIsbn10Shape(c))
        return isbn10CheckDigit(QStringView(c).left(9)) == c.at(9);
    if (isIsbn13Shape(c))
        return isbn13CheckDigit(QStringView(c).left(12)) == c.at(12);
    return false;
}

bool looksMistyped(const QString &typed)
{
    const QString c = compact(typed);
    return (isIsbn10Shape(c) || isIsbn13Shape(c)) && !hasValidCheckDigit(c);
}

QStringList storedSpellings(const QString &typed)
{
    QStringList spellings;
    const auto add = [&spellings](const QString &s) {
        if (!s.isEmpty() && !spellings.contains(s))
            spellings << s;
    };
    add(typed.trimmed());
    const QString isbn13 = toIsbn13(typed);
    const QString isbn10 = toIsbn10(typed);
    add(isbn13);
    add(isbn10);
    // Every way of hyphenating group, publisher and title: the index finds each at once,
    // where stripping the hyphens of every stored ISBN would read the whole table.
    for (const QString &compactForm : {isbn13, isbn10}) {
        if (compactForm.isEmpty())
            continue;
        const QString prefix = compactForm.size() == 13 ? compactForm.left(3) + u'-' : QString();
        const QString body = compactForm.mid(prefix.isEmpty() ? 0 : 3, 9);
        const QChar check = compactForm.back();
        for (int group = 1; group <= 5; ++group) {
            for (int publisher = 1; group + publisher < body.size(); ++publisher)
                add(prefix + body.left(group) + u'-' + body.mid(group, publisher) + u'-'
                    + body.mid(group + publisher) + u'-' + check);
        }
    }
    return spellings;
}

} // namespace tarvo::Isbn
