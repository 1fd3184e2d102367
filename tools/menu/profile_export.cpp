#include "tools/menu/profile_export.h"

#include "calc/screen_rules/number_text.h"

namespace dishwright {
namespace {

QString joinRows(const std::vector<ProfilePoint> &points, const QString &heading, char between) {
  std::string text = heading.toStdString() + '\n';
  for (const ProfilePoint &p : points) {
    appendSingleText(text, p.x);
    text += between;
    appendSingleText(text, p.depth);
    text += '\n';
  }
  return QString::fromStdString(text);
}

} // namespace

QString profileAsTabText(const std::vector<ProfilePoint> &points, const QString &unit) {
  return joinRows(points, QStringLiteral("X (%1)\tY (%1)").arg(unit), '\t');
}

QString profileAsCsv(const std::vector<ProfilePoint> &points, const QString &unit) {
  return joinRows(points, QStringLiteral("x_%1,y_%1").arg(unit), ',');
}

} // namespace dishwright
