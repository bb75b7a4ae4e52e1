#include "MarcImport.h"

#include "MarcBook.h"
#include "MarcReader.h"
#include "MarcRecord.h"
#include "core/db/Database.h"
#include "core/db/DbError.h"
#include "core/db/Schema.h"
#include "core/db/Transaction.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace tarvo {

namespace {

constexpr qsizetype kListedLines = 20;

// Cuts a text to `size` characters as the database counts them (code points);
// true when it was longer.
bool cutTo(QString &text, int size)
{
    if (text.size() <= size)
        return false;
    const QList<uint> characters = text.toUcs4();
    if (characters.size() <= size)
        return false;
    text = QString::fromUcs4(reinterpret_cast<const char32_t *>(characters.constData()), size);
    return true;
}

void appendListed(QString &text, const QString &heading, const QStringList &lines)
{
    if (lines.isEmpty())
        return;
    text += u'\n' + heading;
    for (const QString &line : lines.first(std::min(lines.size(), kListedLines)))
        text += u'\n' + line;
    if (lines.size() > kListedLines)
        text += u"\n……"_s;
}

QString recordLine(qint64 record, const QString &text)
{
    return u"第%1条记录：%2"_s.arg(record).arg(text);
}

} // namespace

MarcImport::MarcImport(Database &db, MarcEncoding encoding)
    : m_db(db)
    , m_encoding(encoding)
{
    const TableDef *table = Schema::table(u"BookInfoPre");
    QStringList marks;
    for (const QString &column : MarcBook::textColumns()) {
        m_sizes << (table->column(column)->type == ColumnType::Text ? table->column(column)->size : 0);
        marks << u"?"_s;
    }
    marks << u"?"_s << u"?"_s;
    m_insert = u"insert into BookInfoPre ("_s + MarcBook::textColumns().join(u", "_s)
        + u", BookPrice, RegDate) values ("_s + marks.join(u", "_s) + u')';
}

MarcImport::Result MarcImport::importFile(const QString &path, const ProgressFunction &progress)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Result result;
        result.error = u"无法打开文件%1：%2"_s.arg(QDir::toNativeSeparators(path), file.errorString());
        return result;
    }
    // A mapped file is read in place, however large.
    if (const uchar *mapped = file.size() > 0 ? file.map(0, file.size()) : nullptr)
        return importBytes(QByteArrayView(mapped, file.size()), progress);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        Result result;
        result.error = u"读取文件%1失败：%2"_s.arg(QDir::toNativeSeparators(path), file.errorString());
        return result;
    }
    return importBytes(bytes, progress);
}

MarcImport::Result MarcImport::importBytes(QByteArrayView bytes, const ProgressFunction &progress)
{
    Result result;
    MarcReader reader(bytes);
    MarcDecoder decoder(m_encoding);
    // The day the rows were registered, by the clock, once for the whole file.
    m_today = QDate::currentDate();
    bool more = true;
    try {
        while (more) {
            Transaction transaction(m_db);
            qint64 written = 0;
            QStringList warnings;
            QByteArrayView bytesOfRecord;
            for (int n = 0; n < kBatchSize && (more = reader.next(bytesOfRecord)); ++n) {
                QString reason;
                const std::optional<MarcRecord> record = MarcRecord::parse(bytesOfRecord, reason);
                if (!record) {
                    result.skipped.append({reader.recordNumber(), reason});
                    continue;
                }
                decoder.setRecord(*record);
                insert(MarcBook::read(*record, decoder), reader.recordNumber(), warnings);
                ++written;
            }
            transaction.commit();
            result.imported += written;
            result.warnings += warnings;
            if (progress && !progress({reader.recordNumber(), reader.position(), bytes.size()}) && more) {
                result.cancelled = true;
                break;
            }
        }
    } catch (const DbError &e) {
        result.error = e.message();
    }
    return result;
}

void MarcImport::insert(const MarcBook &book, qint64 recordNumber, QStringList &warnings)
{
    QVariantList values;
    values.reserve(MarcBook::kTextCount + 2);
    for (qsizetype i = 0; i < MarcBook::kTextCount; ++i) {
        QString text = book.texts()[i];
        // A value longer than its column would make the whole row fail: it is cut.
        if (m_sizes[i] > 0 && cutTo(text, m_sizes[i]))
            warnings << recordLine(recordNumber, u"%1超过%2个字，已截断"_s.arg(MarcBook::textCaptions()[i])
                                                     .arg(m_sizes[i]));
        values << (text.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(text));
    }
    const std::optional<double> price = book.bookPrice();
    values << (price ? QVariant(*price) : QVariant(QMetaType::fromType<double>()));
    values << m_today;
    m_db.exec(m_insert, values);
}

QString MarcImport::summary(const Result &result)
{
    QString text = u"导入 %1 条"_s.arg(result.imported);
    if (result.cancelled)
        text += u"（已取消，其后的记录未导入）"_s;
    QStringList skipped;
    for (const Skipped &s : result.skipped)
        skipped << recordLine(s.record, s.reason);
    appendListed(text, u"跳过 %1 条："_s.arg(result.skipped.size()), skipped);
    appendListed(text, u"截断 %1 处："_s.arg(result.warnings.size()), result.warnings);
    return text;
}

} // namespace tarvo
