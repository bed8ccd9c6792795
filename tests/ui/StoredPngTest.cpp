#include "ui/StoredPng.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <gtest/gtest.h>

namespace {

QByteArray Picture(const char* name)
{
    QFile file(QStringLiteral(TEST_DATA_DIR "/../../wizard/pictures/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

QImage ReadByQt(const QByteArray& png)
{
    QBuffer buffer;
    buffer.setData(png);
    return QImageReader(&buffer, "png").read();
}

} // namespace

// The pages' pictures read as they lie are the images Qt's reader makes of them. (They must stay stored so:
// saved compressed, they would be decoded at every start.)
TEST(StoredPng, ThePagesPicturesAreReadAsQtReadsThem)
{
    for (const char* name : {"operation-details.png", "operation-save.png", "detail-level.png"}) {
        const QByteArray png = Picture(name);
        const QImage stored = ui::ReadStoredPng(png);
        const QImage byQt = ReadByQt(png);
        ASSERT_FALSE(stored.isNull()) << name;
        EXPECT_EQ(stored.convertToFormat(byQt.format()), byQt) << name;
        // As a pixmap draws them.
        EXPECT_EQ(stored.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  byQt.convertToFormat(QImage::Format_ARGB32_Premultiplied)) << name;
        EXPECT_EQ(stored.dotsPerMeterX(), byQt.dotsPerMeterX()) << name;
    }
}

// What is not stored plainly, or is cut short or altered, is left to Qt's reader: a null image, never a crash.
TEST(StoredPng, AnythingElseGivesANullImage)
{
    const QByteArray png = Picture("detail-level.png");
    QByteArray compressed;
    QBuffer buffer(&compressed);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(QImageWriter(&buffer, "png").write(ReadByQt(png)));
    QByteArray filtered = png;
    filtered[filtered.indexOf("IDAT") + 4 + 2 + 5] = 1; // the first row's filter: Sub
    QByteArray lengthAltered = png;
    lengthAltered[lengthAltered.indexOf("IDAT") + 4 + 2 + 1] ^= 1;
    for (const QByteArray& bytes : {compressed, filtered, lengthAltered, QByteArray(), QByteArray("\x89PNG")})
        EXPECT_TRUE(ui::ReadStoredPng(bytes).isNull()) << bytes.size();
    for (qsizetype cut = 0; cut < png.size(); cut += 37)
        EXPECT_TRUE(ui::ReadStoredPng(png.left(cut)).isNull()) << cut;
}
