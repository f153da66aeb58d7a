#pragma once

#include <filesystem>
#include <utility>

#include "state/host.h"
#include "state/integer_math.h"
#include "state/rng.h"
#include "state/zekra_record.h"

namespace zekra {

// Where the game keeps its files. The core never guesses: the app passes the
// user's folders, tests pass a temporary one.
struct GamePaths {
  std::filesystem::path dataFolder;   // holds log.dat and Data/
  std::filesystem::path soundFolder;  // the music files

  std::filesystem::path autosave() const { return dataFolder / "log.dat"; }
  std::filesystem::path slotFolder() const { return dataFolder / "Data"; }
  // Stable slot k = 0..2 ("厩舎1".."厩舎3").
  std::filesystem::path slot(int k) const;
  // Hall of fame rank n + 1, n = 0..8.
  std::filesystem::path hallOfFame(int n) const;

  // $XDG_DATA_HOME/zekra, by default ~/.local/share/zekra; music from `soundFolder`.
  static GamePaths forUser(const std::filesystem::path& soundFolder);
};

// Everything the running game holds: the horse in care, its companion values,
// the generator, the host and the folders. One per process in the app, one per
// test in tests; the rules are functions that take it.
class Game {
 public:
  Game(Rng& generator, Host& platform, GamePaths folders)
      : rng(generator), host(platform), paths(std::move(folders)) {}

  ZekraRecord MyZekra;
  Integer ViewWeek = 0;  // the first week the race table shows
  Integer MusicOn = -1;  // -1 music on, 0 off

  Rng& rng;
  Host& host;
  GamePaths paths;
};

// Clears the horse in care to the all-zero record, and the race table view
// with it.
void ResetMyZekra(Game& game);

}  // namespace zekra
