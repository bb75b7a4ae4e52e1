#pragma once

#include "MarcDecoder.h"

#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace tarvo {

class Database;
class MarcBook;

// The MARC import of the pre-catalogue: each record of a file becomes one BookInfoPre
// row (RegDate today by the clock; no input codes, SortNum or Scode). A record that is
// truncated or corrupt is reported and skipped; the records around it are imported.
// Rows are written in transactions of kBatchSize records through one prepared insert.
class MarcImport
{
public:
    static constexpr int kBatchSize = 500;

    struct Skipped
    {
        qint64 record; // its number in the file, from 1
        QString reason;
    };
    struct Result
    {
        qint64 imported = 0;
        QList<Skipped> skipped;
        QStringList warnings; // values cut to the size of their column
        bool cancelled = false;
        QString error; // the file could not be read, or a write failed; earlier batches stay
    };
    struct Progress
    {
        qint64 records;
        qint64 bytesRead;
        qint64 bytesTotal;
    };
    // Called after each batch is written; returning false stops the import there.
    using ProgressFunction = std::function<bool(const Progress &)>;

    explicit MarcImport(Database &db, MarcEncoding encoding = MarcEncoding::Auto);

    Result importFile(const QString &path, const ProgressFunction &progress = {});
    Result importBytes(QByteArrayView bytes, const ProgressFunction &progress = {});

    // "导入 N 条", then the skipped records and the cut values, for the operator.
    static QString summary(const Result &result);

private:
    void insert(const MarcBook &book, qint64 recordNumber, QStringList &warnings);

    Database &m_db;
    MarcEncoding m_encoding;
    QDate m_today;
    QString m_insert;
    QList<int> m_sizes; // of the text columns; 0: no limit
};

} // namespace tarvo
