// dishwright_make_art OUTPUT_DIR: draws the program's pictures and writes them
// as PNG files into OUTPUT_DIR. The files are committed; run this (through the
// `art` build target) only after changing a drawing.
#include "art/art_drawing.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QSize>
#include <cstdio>
#include <functional>

namespace {
struct Picture {
  const char *file;
  QSize size;
  std::function<QImage()> draw;
};

bool save(const QDir &dir, const Picture &picture) {
  const QImage image = picture.draw();
  // The screens are laid out around these sizes: a drawing that drifts is a bug.
  if (image.size() != picture.size) {
    std::fprintf(stderr, "make_art: %s is %dx%d, expected %dx%d\n", picture.file, image.width(),
                 image.height(), picture.size.width(), picture.size.height());
    return false;
  }
  if (image != picture.draw()) { // the grain must come from a fixed seed
    std::fprintf(stderr, "make_art: %s differs between two runs\n", picture.file);
    return false;
  }
  const QString path = dir.filePath(picture.file);
  const bool png = path.endsWith(QLatin1String(".png"));
  if (!image.save(path, nullptr, png ? 9 : -1)) {
    std::fprintf(stderr, "make_art: cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s %dx%d\n", qPrintable(path), image.width(), image.height());
  return true;
}
} // namespace

int main(int argc, char **argv) {
  // Only images are drawn, never windows: no display needed.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv); // text rendering needs the font database
  if (argc != 2) {
    std::fprintf(stderr, "usage: dishwright_make_art OUTPUT_DIR\n");
    return 2;
  }
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  if (!dir.exists()) {
    std::fprintf(stderr, "make_art: no such directory: %s\n", argv[1]);
    return 2;
  }
  const QString cursorProblem = checkHandCursor(drawHandCursor());
  if (!cursorProblem.isEmpty()) {
    std::fprintf(stderr, "make_art: hand cursor: %s\n", qPrintable(cursorProblem));
    return 1;
  }
  const Picture pictures[] = {
      // Raw greyscale: the first screen shows it at start-up, and reading raw
      // bytes costs a fraction of inflating and unfiltering a PNG of photo grain.
      {"dish_photo.pgm", {212, 243}, drawDishPhoto},
      {"profile_diagram.png", {315, 171}, drawProfileDiagram},
      {"can_drawing.png", {437, 131}, drawCanDrawing},
      {"hand_cursor.png", {32, 32}, drawHandCursor},
      {"app_icon.png", {64, 64}, drawAppIcon},
  };
  for (const Picture &picture : pictures)
    if (!save(dir, picture))
      return 1;
  return 0;
}
