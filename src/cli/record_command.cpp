#include "cli/record_command.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "cli/cli_error.h"
#include "cli/options.h"
#include "cli/record_json.h"
#include "state/record_file.h"

namespace zekra::cli {

namespace {

nlohmann::ordered_json readJson(const std::string& file) {
  std::stringstream content;
  if (file == "-") {
    content << std::cin.rdbuf();
  } else {
    std::ifstream in(file, std::ios::binary);
    if (!in || std::filesystem::is_directory(file)) throw BadInput(file + ": cannot read it");
    content << in.rdbuf();
  }
  try {
    return nlohmann::ordered_json::parse(content.str());
  } catch (const nlohmann::json::parse_error& failure) {
    throw BadInput(file + ": malformed JSON: " + failure.what());
  }
}

void dump(const std::string& file, std::ostream& out) {
  out << recordToJson(readExistingRecord(file))
             .dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
      << '\n';
}

void write(const std::string& jsonFile, const std::string& outFile) {
  ZekraRecord record;
  try {
    record = recordFromJson(readJson(jsonFile));
  } catch (const RecordJsonError& failure) {
    throw BadInput(jsonFile + ": " + failure.what());
  }
  try {
    WriteRecord(outFile, record);
  } catch (const RecordFileError& failure) {
    throw BadInput(failure.what());
  }
}

}  // namespace

void recordCommand(const std::vector<std::string>& arguments, std::ostream& out) {
  if (arguments.size() == 2 && arguments[0] == "dump") return dump(arguments[1], out);
  if (arguments.size() == 3 && arguments[0] == "write") return write(arguments[1], arguments[2]);
  throw BadInput("usage: zekra-cli record dump FILE | zekra-cli record write JSON_FILE OUT_FILE");
}

}  // namespace zekra::cli
