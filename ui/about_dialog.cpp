#include "ui/about_dialog.h"

#include "res/resource.h"

namespace kavrin {

AboutDialog::AboutDialog(HWND parent) : Dialog(IDD_ABOUT, parent) {}

}  // namespace kavrin
