// Whether the bytes of a picture file hold the whole picture. The decoders
// fill in what a cut file lacks (a JPEG cut short decodes with a grey block),
// so a photo that was copied only in part would be taken as good.
#pragma once

#include <QByteArray>

namespace WholePicture {

// A JPEG must run to its end-of-image marker and a bitmap must hold every
// row that its header announces. Bytes of any other kind are left to their
// decoder and count as whole.
bool isWhole(const QByteArray& bytes);

} // namespace WholePicture
