// The web page link screen: two lines of instruction and the author's address.
#pragma once

#include "screens/screen.h"

namespace dishwright {

// The author's page as the label shows it; a click opens it followed by "/".
QString webPageAddress();

class WebScreen : public Screen {
  Q_OBJECT

public:
  WebScreen();

protected:
  void arrange() override;
};

} // namespace dishwright
