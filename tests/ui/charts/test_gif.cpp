#include "test_gif.h"

#include <cstdint>

namespace qvk::ui {

namespace {

void putWord(QByteArray& bytes, int value)
{
    bytes.append(char(value & 0xFF));
    bytes.append(char((value >> 8) & 0xFF));
}

// LZW codes of 3 bits, packed from the least significant bit up.
class CodeWriter {
public:
    void put(unsigned code)
    {
        bits_ |= code << count_;
        count_ += 3;
        while (count_ >= 8) flushByte();
    }
    QByteArray finish()
    {
        if (count_ > 0) flushByte();
        return data_;
    }

private:
    void flushByte()
    {
        data_.append(char(bits_ & 0xFF));
        bits_ >>= 8;
        count_ = count_ > 8 ? count_ - 8 : 0;
    }
    std::uint32_t bits_ = 0;
    int count_ = 0;
    QByteArray data_;
};

}  // namespace

QByteArray plainGif(QSize size, QColor colour)
{
    QByteArray gif("GIF89a");
    putWord(gif, size.width());
    putWord(gif, size.height());
    gif.append(char(0x80));  // a global colour table of two entries
    gif.append(char(0));     // background colour index
    gif.append(char(0));     // no aspect ratio
    gif.append(char(colour.red())).append(char(colour.green())).append(char(colour.blue()));
    gif.append(3, char(0));

    gif.append(char(0x2C));  // image descriptor: whole screen, no local table
    putWord(gif, 0);
    putWord(gif, 0);
    putWord(gif, size.width());
    putWord(gif, size.height());
    gif.append(char(0));

    // Minimum code size 2: clear = 4, end = 5. A clear before every pixel
    // keeps the code table from growing, so every code stays 3 bits wide.
    gif.append(char(2));
    CodeWriter codes;
    for (int pixel = 0; pixel < size.width() * size.height(); ++pixel) {
        codes.put(4);
        codes.put(0);
    }
    codes.put(5);
    const QByteArray data = codes.finish();
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        gif.append(char(block.size())).append(block);
    }
    gif.append(char(0));     // end of the image data
    gif.append(char(0x3B));  // trailer
    return gif;
}

}  // namespace qvk::ui
