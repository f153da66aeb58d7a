#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace zekra::cli {

// zekra-cli record dump FILE | record write JSON_FILE OUT_FILE.
// Throws BadInput for anything it refuses.
void recordCommand(const std::vector<std::string>& arguments, std::ostream& out);

}  // namespace zekra::cli
