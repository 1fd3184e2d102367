#include "tools/help/about_box.h"

#include <QMessageBox>
#include <QObject>

namespace dishwright {
namespace {

// The sources, as the README and the manual give them.
QString aboutText() {
  return QObject::tr(
             "<h3>dishwright %1</h3>"
             "<p>A calculator for radio amateurs who build microwave dish antennas: the dish's "
             "figures and profile, its feed, templates to cut, measuring a dish and checking "
             "it with the sun.</p>"
             "<p>Free software under the MIT licence.</p>"
             "<p><b>Where the formulas come from</b></p><ul>"
             "<li>Cans and feeds: the round waveguide's TE11, TM01, TE21 and TE01/TM11 cutoffs "
             "from the Bessel roots 1.8412, 2.4048, 3.0542 and 3.8317; an open can radiating "
             "TE11 from its aperture with the Huygens factors; cos<sup>N</sup> feeds.</li>"
             "<li>Sun noise: the antenna temperature S G &lambda;&sup2; / (8 &pi; k K) after "
             "Kraus, <i>Radio Astronomy</i>, as the SETI League's G/T note applies it; the "
             "source-size correction K = 1 + 0.38 (0.5 / beamwidth)&sup2; of amateur practice "
             "(on such corrections: J. W. M. Baars, IEEE Trans. Antennas Propag. AP-21, "
             "1973).</li></ul>"
             "<p><b>Where the table of common feeds comes from</b></p><ul>"
             "<li>Open cans and the beamwidth rows: this program's own models.</li>"
             "<li>Choke-ring (scalar) feed, VE4MA: its designer's figure as JA0IXX quotes it, "
             "\"1296MHz scalar feed horn (VE4MA)\".</li>"
             "<li>Dual-mode (Potter) horn: G3PHO, \"A dual mode horn for 10GHz using standard "
             "copper pipe fittings\", and OM6AA's W2IMU dual-mode feeds.</li></ul>")
      .arg(QStringLiteral(DISHWRIGHT_VERSION));
}

} // namespace

QMessageBox *showAbout(QWidget *over) {
  auto *box = new QMessageBox(QMessageBox::NoIcon, QObject::tr("About dishwright"), aboutText(),
                              QMessageBox::Close, over);
  box->setTextFormat(Qt::RichText);
  box->setIconPixmap(QPixmap(QStringLiteral(":/art/app_icon.png"))
                         .scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setAccessibleName(QObject::tr("About dishwright"));
  box->open();
  return box;
}

} // namespace dishwright
