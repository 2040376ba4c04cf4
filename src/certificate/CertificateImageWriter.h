#pragma once

#include <QImage>
#include <QString>
#include <optional>

namespace quillan::certificate {

// The image formats a certificate is saved in, in the order of the save dialog's filter.
enum class ImageFormat { Bmp, Jpg, Gif, Png, Tiff };

// The save dialog's filter, one entry per format in ImageFormat order.
QString imageFilter();

// The format a file's extension names (bmp, jpg/jpeg, gif, png, tiff/tif, any case), if any.
std::optional<ImageFormat> formatOfExtension(const QString& path);

// The format of a chosen file: by its extension when it has one of ours, else by the filter entry
// the user chose (index into imageFilter()'s entries, or its text).
ImageFormat formatOfChoice(const QString& path, const QString& selectedFilter);

// The path with the format's extension added when it has none.
QString withExtension(const QString& path, ImageFormat format);

// Writes the image (replacing the file only once it is complete): BMP, JPG, PNG and TIFF through
// QImageWriter, GIF through giflib. The reason on failure.
std::optional<QString> writeImage(const QImage& image, const QString& path, ImageFormat format);

}  // namespace quillan::certificate
