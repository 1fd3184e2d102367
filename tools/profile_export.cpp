#include "tools/profile_export.h"

#include "screens/row_list_model.h"

namespace dishwright {
namespace {

// A row "12....1.875" is the radius X, four full stops, and the depth Y.
const QString kRowSeparator = QStringLiteral("....");

QString joinRows(const RowListModel &rows, const QString &heading, QChar between) {
  QString text = heading + QLatin1Char('\n');
  for (int i = 0; i < rows.rowCount(); ++i) {
    QString row = rows.rowText(i);
    row.replace(kRowSeparator, QString(between));
    text += row + QLatin1Char('\n');
  }
  return text;
}

} // namespace

QString profileAsTabText(const RowListModel &rows, const QString &unit) {
  return joinRows(rows, QStringLiteral("X (%1)\tY (%1)").arg(unit), QLatin1Char('\t'));
}

QString profileAsCsv(const RowListModel &rows, const QString &unit) {
  return joinRows(rows, QStringLiteral("x_%1,y_%1").arg(unit), QLatin1Char(','));
}

} // namespace dishwright
