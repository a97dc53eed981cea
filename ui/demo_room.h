// How many browsed demos the list can still take, and what to say otherwise.
#pragma once

#include <cstddef>
#include <string>

namespace kavrin {

// The number of `offered` demos that fit into a list already holding
// `listed`, when the list holds at most `capacity`.
size_t DemosThatFit(size_t listed, size_t offered, size_t capacity);

// Tells the user that `leftOut` demos (at least 1) were not added because
// the list holds at most `capacity`.
std::string DemosLeftOutMessage(size_t leftOut, size_t capacity);

}  // namespace kavrin
