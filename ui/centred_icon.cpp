#include "ui/centred_icon.h"

namespace kavrin {

IconPosition CentredIconPosition(int clientWidth, int clientHeight, int iconWidth, int iconHeight) {
  return {(clientWidth - iconWidth + 1) / 2, (clientHeight - iconHeight + 1) / 2};
}

}  // namespace kavrin
