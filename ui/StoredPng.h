#pragma once

#include <QByteArrayView>
#include <QImage>

namespace ui {

// A PNG of 8-bit RGBA pixels whose rows are stored as they are: unfiltered,
// in deflate's stored blocks. Such a file is read as its bytes lie, without an
// image reader, into an image of those bytes (QImage::Format_RGBA8888: the
// pixels Qt's reader gives, in the order the file holds them); the pictures of
// the program's pages are stored so. Anything else, or anything cut short or
// inconsistent, gives a null image, and the caller reads it with Qt's reader.
QImage ReadStoredPng(QByteArrayView png);

} // namespace ui
