// The About box: name, version, copyright and web address.
#pragma once

#include "win/dialog.h"

namespace kavrin {

class AboutDialog : public Dialog {
 public:
  explicit AboutDialog(HWND parent);
};

}  // namespace kavrin
