#include "ui/demo_room.h"

#include <algorithm>

namespace kavrin {

size_t DemosThatFit(size_t listed, size_t offered, size_t capacity) {
  const size_t room = listed < capacity ? capacity - listed : 0;
  return std::min(offered, room);
}

std::string DemosLeftOutMessage(size_t leftOut, size_t capacity) {
  return std::to_string(leftOut) + (leftOut == 1 ? " demo was not added" : " demos were not added") +
         ": the list holds at most " + std::to_string(capacity) + " demos.";
}

}  // namespace kavrin
