#include "paper/svg_layers.h"

#include <QDomDocument>
#include <QString>
#include <QXmlStreamWriter>

#include <algorithm>
#include <stdexcept>
#include <utility>
#include <vector>

namespace dishwright {
namespace {

const char kInkscapeNs[] = "http://www.inkscape.org/namespaces/inkscape";
const char kCutColour[] = "#ff0000";
const char kHairlineMm[] = "0.025"; // 0.001 in, what cutters take for a line to cut
constexpr int kCutDecimals = 4;     // 0.1 micrometre: the path carries the outline's precision

QDomElement layer(QDomDocument &doc, const QString &name) {
  QDomElement g = doc.createElement(QStringLiteral("g"));
  g.setAttribute(QStringLiteral("id"), name);
  g.setAttribute(QStringLiteral("inkscape:label"), name);
  g.setAttribute(QStringLiteral("inkscape:groupmode"), QStringLiteral("layer"));
  return g;
}

QString pathData(const QPolygonF &closed, QPointF offset) {
  QString d;
  for (int i = 0; i + 1 < closed.size(); ++i) { // the last point repeats the first
    const QPointF p = closed[i] + offset;
    d += (i == 0 ? QStringLiteral("M") : QStringLiteral(" L")) +
         QString::number(p.x(), 'f', kCutDecimals) + QLatin1Char(',') +
         QString::number(p.y(), 'f', kCutDecimals);
  }
  return d + QStringLiteral(" Z");
}

// Moves the children of `from` into copies of it (same attributes) under `shapes`
// and `texts`, the text elements to the one, everything else to the other.
void split(const QDomElement &from, QDomElement &shapes, QDomElement &texts) {
  QDomElement shapeCopy = from.cloneNode(false).toElement();
  QDomElement textCopy = from.cloneNode(false).toElement();
  while (!from.firstChild().isNull()) {
    QDomNode child = from.firstChild();
    (child.nodeName() == QLatin1String("text") ? textCopy : shapeCopy).appendChild(child);
  }
  if (shapeCopy.hasChildNodes())
    shapes.appendChild(shapeCopy);
  if (textCopy.hasChildNodes())
    texts.appendChild(textCopy);
}

// Writes `node` and what it holds, each element's attributes in name order, so
// that the same template always gives the same file (QDom keeps them in a hash).
void write(QXmlStreamWriter &xml, const QDomNode &node) {
  if (node.isText()) {
    xml.writeCharacters(node.nodeValue());
    return;
  }
  if (!node.isElement())
    return;
  const QDomNamedNodeMap attributes = node.attributes();
  std::vector<std::pair<QString, QString>> sorted;
  sorted.reserve(static_cast<std::size_t>(attributes.count()));
  for (int i = 0; i < attributes.count(); ++i)
    sorted.emplace_back(attributes.item(i).nodeName(), attributes.item(i).nodeValue());
  std::sort(sorted.begin(), sorted.end());
  xml.writeStartElement(node.nodeName());
  for (const auto &[name, value] : sorted)
    xml.writeAttribute(name, value);
  for (QDomNode child = node.firstChild(); !child.isNull(); child = child.nextSibling())
    write(xml, child);
  xml.writeEndElement();
}

} // namespace

QByteArray layeredSvg(const QByteArray &generated, const std::vector<QPolygonF> &cuts,
                      QPointF offset) {
  QDomDocument doc;
  if (!doc.setContent(generated))
    throw std::runtime_error("the drawing did not come out as SVG");
  QDomElement root = doc.documentElement();
  root.setAttribute(QStringLiteral("xmlns:inkscape"), QString::fromLatin1(kInkscapeNs));
  // QSvgGenerator puts the drawing in one outer group holding a group per pen
  // and font; the outer one's style goes to the new groups.
  const QDomElement outer = root.firstChildElement(QStringLiteral("g"));
  if (outer.isNull())
    throw std::runtime_error("the drawing came out empty");
  QDomElement marks = outer.cloneNode(false).toElement();
  QDomElement texts = outer.cloneNode(false).toElement();
  for (QDomElement inner = outer.firstChildElement(); !inner.isNull();
       inner = inner.nextSiblingElement())
    split(inner, marks, texts);
  QDomElement marksLayer = layer(doc, QStringLiteral("marks"));
  QDomElement textLayer = layer(doc, QStringLiteral("text"));
  marksLayer.appendChild(marks);
  textLayer.appendChild(texts);
  QDomElement cutLayer = layer(doc, QStringLiteral("cut"));
  cutLayer.setAttribute(QStringLiteral("fill"), QStringLiteral("none"));
  cutLayer.setAttribute(QStringLiteral("stroke"), QString::fromLatin1(kCutColour));
  cutLayer.setAttribute(QStringLiteral("stroke-width"), QString::fromLatin1(kHairlineMm));
  for (const QPolygonF &cut : cuts) {
    QDomElement path = doc.createElement(QStringLiteral("path"));
    path.setAttribute(QStringLiteral("d"), pathData(cut, offset));
    cutLayer.appendChild(path);
  }
  root.replaceChild(marksLayer, outer);
  root.insertAfter(textLayer, marksLayer);
  root.insertAfter(cutLayer, textLayer);
  QByteArray out;
  QXmlStreamWriter xml(&out);
  xml.setAutoFormatting(true);
  xml.writeStartDocument();
  write(xml, root);
  xml.writeEndDocument();
  return out;
}

} // namespace dishwright
