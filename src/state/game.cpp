#include "state/game.h"

#include <cstdlib>
#include <string>

namespace zekra {

std::filesystem::path GamePaths::slot(int k) const {
  return slotFolder() / ("SaveData" + std::to_string(k) + ".dat");
}

std::filesystem::path GamePaths::hallOfFame(int n) const {
  return slotFolder() / ("loglh" + std::to_string(n) + ".dat");
}

GamePaths GamePaths::forUser(const std::filesystem::path& soundFolder) {
  std::filesystem::path base;
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg != '\0') {
    base = xdg;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    base = std::filesystem::path(home) / ".local" / "share";
  } else {
    base = std::filesystem::current_path();
  }
  return GamePaths{base / "zekra", soundFolder};
}

void ResetMyZekra(Game& game) {
  game.MyZekra = ZekraRecord{};
  game.MyZekra.GameTime = 0;
  game.ViewWeek = 0;
}

}  // namespace zekra
