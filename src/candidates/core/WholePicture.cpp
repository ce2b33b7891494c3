// Checking that a JPEG or bitmap file was not cut short.
#include "candidates/core/WholePicture.h"

#include <cstring>

namespace {

int byteAt(const QByteArray& b, qsizetype i)
{
    return static_cast<unsigned char>(b.at(i));
}

quint32 le16(const QByteArray& b, qsizetype i)
{
    return quint32(byteAt(b, i)) | quint32(byteAt(b, i + 1)) << 8;
}

quint32 le32(const QByteArray& b, qsizetype i)
{
    return le16(b, i) | le16(b, i + 2) << 16;
}

// Walks the segments from the start-of-image marker; after each scan header
// the compressed data runs to the next marker that is neither a stuffed 0xFF
// nor a restart marker. Whole only when the end-of-image marker is reached.
bool jpegIsWhole(const QByteArray& b)
{
    const qsizetype n = b.size();
    qsizetype pos = 2;
    for (;;) {
        // Bytes between segments are skipped, as the decoder does.
        while (pos < n && byteAt(b, pos) != 0xFF)
            ++pos;
        while (pos < n && byteAt(b, pos) == 0xFF)
            ++pos;
        if (pos >= n)
            return false;
        const int marker = byteAt(b, pos++);
        if (marker == 0xD9)
            return true;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue; // no length follows
        if (pos + 2 > n)
            return false;
        const qsizetype length = qsizetype(byteAt(b, pos)) << 8 | byteAt(b, pos + 1);
        if (length < 2 || pos + length > n)
            return false;
        pos += length;
        if (marker != 0xDA)
            continue;
        // Compressed data of the scan.
        for (;;) {
            const void* ff = std::memchr(b.constData() + pos, 0xFF, size_t(n - pos));
            if (!ff)
                return false;
            pos = static_cast<const char*>(ff) - b.constData();
            if (pos + 1 >= n)
                return false;
            const int next = byteAt(b, pos + 1);
            if (next == 0x00 || (next >= 0xD0 && next <= 0xD7)) {
                pos += 2;
                continue;
            }
            if (next == 0xFF) {
                ++pos;
                continue;
            }
            break; // a marker: back to the segments
        }
    }
}

// An uncompressed bitmap holds its rows from the offset in its file header;
// compressed ones are left to their decoder.
bool bitmapIsWhole(const QByteArray& b)
{
    if (b.size() < 14 + 16)
        return false;
    const quint32 offset = le32(b, 10);
    const quint32 headerSize = le32(b, 14);
    qint64 width = 0;
    qint64 height = 0;
    quint32 bits = 0;
    quint32 compression = 0;
    if (headerSize == 12) { // OS/2 core header
        width = le16(b, 18);
        height = le16(b, 20);
        bits = le16(b, 24);
    } else {
        if (b.size() < 14 + 20)
            return false;
        width = qint32(le32(b, 18));
        height = qint32(le32(b, 22));
        bits = le16(b, 28);
        compression = le32(b, 30);
    }
    if (compression != 0 && compression != 3) // BI_RGB and BI_BITFIELDS only
        return true;
    if (width <= 0 || height == 0 || bits == 0 || bits > 32)
        return true; // the decoder refuses these itself
    const qint64 rowBytes = (width * bits + 31) / 32 * 4;
    const qint64 needed = qint64(offset) + rowBytes * qAbs(height);
    return b.size() >= needed;
}

} // namespace

namespace WholePicture {

bool isWhole(const QByteArray& bytes)
{
    if (bytes.size() >= 2 && byteAt(bytes, 0) == 0xFF && byteAt(bytes, 1) == 0xD8)
        return jpegIsWhole(bytes);
    if (bytes.size() >= 2 && bytes.at(0) == 'B' && bytes.at(1) == 'M')
        return bitmapIsWhole(bytes);
    return true;
}

} // namespace WholePicture
