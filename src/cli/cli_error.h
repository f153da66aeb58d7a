#pragma once

#include <stdexcept>

namespace zekra::cli {

// Input the tool refuses: its message is shown and the exit status is 2.
class BadInput : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace zekra::cli
