// quillan-iconrender IN.svg SIZE OUT.png: the program's icon as a square PNG, for the desktops and
// software centres that want a bitmap beside the scalable icon.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: quillan-iconrender IN.svg SIZE OUT.png\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");  // a build machine has no display
  const QGuiApplication application(argc, argv);
  const int size = std::atoi(argv[2]);
  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  if (!svg.isValid() || size <= 0) {
    std::fprintf(stderr, "quillan-iconrender: cannot read %s or size %s\n", argv[1], argv[2]);
    return 1;
  }
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
  }
  if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
    std::fprintf(stderr, "quillan-iconrender: cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
