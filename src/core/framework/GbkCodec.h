#pragma once

#include <QByteArrayView>
#include <QString>

#include <iconv.h>

namespace tarvo {

// GBK text to Unicode through iconv (Qt 6 has no GBK codec). Bytes that are not
// GBK become U+FFFD and decoding goes on after them. One converter is kept open,
// so a codec is cheap to use for many short values; not thread-safe.
class GbkCodec
{
public:
    GbkCodec();
    ~GbkCodec();
    Q_DISABLE_COPY_MOVE(GbkCodec)

    QString toUnicode(QByteArrayView bytes);

private:
    iconv_t m_cd;
};

} // namespace tarvo
