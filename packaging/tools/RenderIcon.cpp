// Renders a scalable icon into the fixed-size PNGs of an icon theme at build time:
//   quorvan-render-icon IN.svg THEME_DIR CONTEXT NAME SIZE...
// writes THEME_DIR/<SIZE>x<SIZE>/CONTEXT/NAME.png for every size.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 6) {
    std::fprintf(stderr, "usage: %s IN.svg THEME_DIR CONTEXT NAME SIZE...\n", argv[0]);
    return 2;
  }
  // Drawing into an image needs no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  QSvgRenderer renderer(args.at(1));
  if (!renderer.isValid()) {
    std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
    return 1;
  }
  for (int i = 5; i < args.size(); ++i) {
    bool ok = false;
    const int size = args.at(i).toInt(&ok);
    if (!ok || size < 8 || size > 1024) {
      std::fprintf(stderr, "%s: bad size %s\n", argv[0], argv[i]);
      return 2;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    const QString folder = QStringLiteral("%1/%2x%2/%3").arg(args.at(2)).arg(size).arg(args.at(3));
    const QString path = folder + QLatin1Char('/') + args.at(4) + QStringLiteral(".png");
    if (!QDir().mkpath(folder) || !image.save(path, "PNG")) {
      std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(path));
      return 1;
    }
  }
  return 0;
}
