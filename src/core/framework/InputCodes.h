#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

namespace tarvo {

// The search codes of a name: one letter per Chinese character that the table
// knows, in the order of the characters.
struct InputCodes
{
    QString Py;  // pinyin initial
    QString Wbh; // first stroke (h s p n z)
    QString Wb;  // first Wubi key
};

// The width of the Py, Wb and Wbh columns; longer codes are cut to it.
constexpr qsizetype kInputCodeWidth = 50;

// The character table Ime.DCT: GBK text, one character per line, its two bytes
// in columns 1-2 and single-letter keys in byte columns 7 (Wubi), 13 (stroke)
// and 37 (pinyin). The first line of a character wins. The table is read once
// and read again only when the file's size or modification time changes; a
// missing or unreadable file is an empty table. Not thread-safe.
class InputCodeTable
{
public:
    explicit InputCodeTable(QString path = {});

    const QString &path() const { return m_path; }
    // Points the table at another file; the next lookup reads it.
    void setPath(const QString &path);

    // Text is walked character by character: characters the table does not
    // hold (Latin letters, digits, blanks, anything outside GBK) add nothing.
    InputCodes codes(QStringView text);

private:
    struct Keys
    {
        char16_t wb = 0;
        char16_t wbh = 0;
        char16_t py = 0;
    };

    void refresh();
    void load();

    QString m_path;
    bool m_loaded = false;
    qint64 m_fileSize = -1;
    qint64 m_fileTime = -1; // ms since the epoch
    QHash<char32_t, Keys> m_keys;
};

// The codes of a text from Ime.DCT in the program folder.
InputCodes MakeInputCodes(QStringView text);

} // namespace tarvo
