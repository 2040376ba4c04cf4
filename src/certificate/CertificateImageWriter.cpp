#include "certificate/CertificateImageWriter.h"

#include <gif_lib.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <QStringList>
#include <array>
#include <memory>

namespace quillan::certificate {
namespace {

struct FormatInfo {
  const char* label;
  const char* extension;
  const char* writerFormat;
};

constexpr std::array<FormatInfo, 5> kFormats{{
    {"BMP", "bmp", "bmp"},
    {"JPGE", "jpg", "jpg"},
    {"GIF", "gif", "gif"},
    {"PNG", "png", "png"},
    {"TIFF", "tiff", "tiff"},
}};

const FormatInfo& info(ImageFormat format) { return kFormats[static_cast<std::size_t>(format)]; }

// The context of this file's texts for a translation.
class CertificateTexts {
  Q_DECLARE_TR_FUNCTIONS(CertificateTexts)
};

int appendToBuffer(GifFileType* gif, const GifByteType* bytes, int length) {
  static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), length);
  return length;
}

// giflib has no quantiser; QImage's (with error diffusion) gives at most 256 colours.
std::optional<QString> encodeGif(const QImage& image, QByteArray& out) {
  const QImage indexed = image.convertToFormat(QImage::Format_Indexed8, Qt::DiffuseDither);
  const QList<QRgb> table = indexed.colorTable();
  std::array<GifColorType, 256> colours{};
  for (qsizetype i = 0; i < table.size() && i < 256; ++i) {
    colours[static_cast<std::size_t>(i)] = {static_cast<GifByteType>(qRed(table[i])),
                                            static_cast<GifByteType>(qGreen(table[i])),
                                            static_cast<GifByteType>(qBlue(table[i]))};
  }
  std::unique_ptr<ColorMapObject, decltype(&GifFreeMapObject)> map(GifMakeMapObject(256, colours.data()),
                                                                   &GifFreeMapObject);
  int error = 0;
  GifFileType* gif = EGifOpen(&out, &appendToBuffer, &error);
  if (gif == nullptr || map == nullptr) {
    return CertificateTexts::tr("GIF 编码器无法启动：") + QString::fromUtf8(GifErrorString(error));
  }
  bool ok = EGifPutScreenDesc(gif, indexed.width(), indexed.height(), 8, 0, map.get()) == GIF_OK &&
            EGifPutImageDesc(gif, 0, 0, indexed.width(), indexed.height(), false, nullptr) == GIF_OK;
  for (int y = 0; ok && y < indexed.height(); ++y) {
    // giflib takes a non-const row but does not change it.
    auto* row = const_cast<GifByteType*>(indexed.constScanLine(y));
    ok = EGifPutLine(gif, row, indexed.width()) == GIF_OK;
  }
  const int failure = gif->Error;
  if (EGifCloseFile(gif, &error) != GIF_OK || !ok) {
    return CertificateTexts::tr("GIF 编码失败：") + QString::fromUtf8(GifErrorString(ok ? error : failure));
  }
  return std::nullopt;
}

}  // namespace

QString imageFilter() {
  QStringList entries;
  for (const FormatInfo& f : kFormats) {
    entries << QStringLiteral("%1(*.%2)").arg(QString::fromLatin1(f.label), QString::fromLatin1(f.extension));
  }
  return entries.join(QStringLiteral(";;"));
}

std::optional<ImageFormat> formatOfExtension(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  for (std::size_t i = 0; i < kFormats.size(); ++i) {
    if (suffix == QLatin1String(kFormats[i].extension)) {
      return static_cast<ImageFormat>(i);
    }
  }
  if (suffix == QLatin1String("jpeg")) {
    return ImageFormat::Jpg;
  }
  if (suffix == QLatin1String("tif")) {
    return ImageFormat::Tiff;
  }
  return std::nullopt;
}

ImageFormat formatOfChoice(const QString& path, const QString& selectedFilter) {
  if (const auto format = formatOfExtension(path)) {
    return *format;
  }
  for (std::size_t i = 0; i < kFormats.size(); ++i) {
    if (selectedFilter.startsWith(QLatin1String(kFormats[i].label))) {
      return static_cast<ImageFormat>(i);
    }
  }
  return ImageFormat::Bmp;  // the filter's first entry
}

QString withExtension(const QString& path, ImageFormat format) {
  if (!QFileInfo(path).suffix().isEmpty()) {
    return path;
  }
  return path + QLatin1Char('.') + QLatin1String(info(format).extension);
}

std::optional<QString> writeImage(const QImage& image, const QString& path, ImageFormat format) {
  if (image.isNull()) {
    return CertificateTexts::tr("没有可保存的图像");
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    return file.errorString();
  }
  if (format == ImageFormat::Gif) {
    QByteArray bytes;
    if (auto problem = encodeGif(image, bytes)) {
      file.cancelWriting();
      return problem;
    }
    if (file.write(bytes) != bytes.size()) {
      const QString reason = file.errorString();
      file.cancelWriting();
      return reason;
    }
  } else {
    QImageWriter writer(&file, info(format).writerFormat);
    if (format == ImageFormat::Jpg) {
      writer.setQuality(92);
    }
    // JPEG and BMP have no alpha; the certificate is opaque anyway.
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32))) {
      const QString reason = writer.errorString();
      file.cancelWriting();
      return reason;
    }
  }
  if (!file.commit()) {
    return file.errorString();
  }
  return std::nullopt;
}

}  // namespace quillan::certificate
