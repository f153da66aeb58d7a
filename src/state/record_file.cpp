#include "state/record_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>

#include <sys/stat.h>

namespace zekra {

namespace {

std::string describe(const std::filesystem::path& path, const char* what, int error) {
  return path.string() + ": " + what + ": " + std::strerror(error);
}

// Closes the descriptor and removes the temporary file unless it was renamed.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100 && descriptor_ < 0; ++attempt) {
      path_ = target;
      path_ += ".tmp-" + std::to_string(getpid()) + "-" + std::to_string(counter++);
      descriptor_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (descriptor_ < 0 && errno != EEXIST) break;
    }
    if (descriptor_ < 0)
      throw RecordFileError(describe(target, "cannot create a file beside it", errno));
  }
  ~TemporaryFile() {
    if (descriptor_ >= 0) ::close(descriptor_);
    if (!renamed_) ::unlink(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  void write(const std::vector<std::uint8_t>& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
      const ssize_t result = ::write(descriptor_, bytes.data() + written, bytes.size() - written);
      if (result < 0 && errno == EINTR) continue;
      if (result < 0) throw RecordFileError(describe(path_, "write failed", errno));
      written += static_cast<std::size_t>(result);
    }
    if (::fsync(descriptor_) != 0) throw RecordFileError(describe(path_, "flush failed", errno));
    const int descriptor = descriptor_;
    descriptor_ = -1;
    if (::close(descriptor) != 0) throw RecordFileError(describe(path_, "close failed", errno));
  }

  void renameOver(const std::filesystem::path& target) {
    if (::rename(path_.c_str(), target.c_str()) != 0) {
      throw RecordFileError(describe(target, "cannot replace it", errno));
    }
    renamed_ = true;
  }

 private:
  std::filesystem::path path_;
  int descriptor_ = -1;
  bool renamed_ = false;
};

// Makes the rename itself survive a crash.
void syncFolder(const std::filesystem::path& folder) {
  const int descriptor =
      ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  ::fsync(descriptor);
  ::close(descriptor);
}

}  // namespace

ZekraRecord ReadRecord(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    const int error = errno;
    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored)) return ZekraRecord{};
    throw RecordFileError(describe(path, "cannot open it", error));
  }
  std::vector<std::uint8_t> bytes(kMaxRecordBytes);
  file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (file.bad()) throw RecordFileError(describe(path, "read failed", errno));
  bytes.resize(static_cast<std::size_t>(file.gcount()));
  return decodeRecord(bytes);
}

void WriteRecord(const std::filesystem::path& path, const ZekraRecord& record) {
  const std::vector<std::uint8_t> bytes = encodeRecord(record);
  TemporaryFile temporary(path);
  temporary.write(bytes);
  temporary.renameOver(path);
  syncFolder(path.parent_path());
}

}  // namespace zekra
