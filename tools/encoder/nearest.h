// Picking the nearest value a codec accepts.
#pragma once

#include <cstdlib>
#include <initializer_list>

namespace orva::encoder {

// The value of `allowed` closest to `wanted`; the smaller one on a tie.
template <typename T>
T Nearest(T wanted, std::initializer_list<T> allowed) {
  T best = *allowed.begin();
  for (T value : allowed) {
    if (std::labs(static_cast<long>(value - wanted)) < std::labs(static_cast<long>(best - wanted))) {
      best = value;
    }
  }
  return best;
}

template <typename T>
bool Contains(std::initializer_list<T> values, T wanted) {
  for (T value : values) {
    if (value == wanted) return true;
  }
  return false;
}

}  // namespace orva::encoder
