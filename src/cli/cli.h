#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace zekra::cli {

// Exit statuses of zekra-cli.
inline constexpr int kSuccess = 0;
inline constexpr int kBadInput = 2;

// Runs zekra-cli with the arguments after the program name. Results go to
// `out`, messages to `err`; returns the exit status.
int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace zekra::cli
