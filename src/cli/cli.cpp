#include "cli/cli.h"

#include <exception>
#include <ostream>

#include "cli/cli_error.h"
#include "cli/record_command.h"
#include "state/rng.h"

namespace zekra::cli {

namespace {

constexpr const char* kUsage =
    "usage: zekra-cli COMMAND ...\n"
    "  record dump FILE               print a record file as JSON\n"
    "  record write JSON_FILE OUT     write a record file from such JSON (- reads stdin)\n";

}  // namespace

int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  if (!arguments.empty() && (arguments[0] == "--help" || arguments[0] == "-h")) {
    out << kUsage;
    return kSuccess;
  }
  try {
    if (arguments.empty()) throw BadInput("no command given");
    const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    if (arguments[0] == "record") {
      recordCommand(rest, out);
    } else {
      throw BadInput("unknown command '" + arguments[0] + "'");
    }
    return kSuccess;
  } catch (const BadInput& failure) {
    err << "zekra-cli: " << failure.what() << '\n';
    if (arguments.empty()) err << kUsage;
    return kBadInput;
  } catch (const DrawsExhausted& failure) {
    err << "zekra-cli: too few draws: all " << failure.drawsGiven()
        << " given were used and another was needed\n";
    return kBadInput;
  } catch (const std::exception& failure) {
    err << "zekra-cli: internal error: " << failure.what() << '\n';
    return 1;
  }
}

}  // namespace zekra::cli
