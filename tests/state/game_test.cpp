#include "state/game.h"

#include <cstdlib>

#include <gtest/gtest.h>

#include "state/headless_host.h"

namespace zekra {
namespace {

TEST(ResetMyZekra, ClearsTheHorseAndTheRaceTableView) {
  ScriptedRng rng({});
  HeadlessHost host;
  Game game(rng, host, GamePaths{"/tmp/zekra-test", "/tmp/zekra-test/Sound"});
  game.MyZekra.Name = "マロン";
  game.MyZekra.Money = Number::ofWhole(1000);
  game.MyZekra.EntryWeek = -1;
  game.MyZekra.RecentRaceNames[2] = "有馬記念";
  game.MyZekra.GameTime = 150;
  game.ViewWeek = 150;
  game.MusicOn = 0;

  ResetMyZekra(game);
  EXPECT_EQ(game.MyZekra, ZekraRecord{});
  EXPECT_TRUE(game.MyZekra.Money.isEmpty());
  EXPECT_EQ(game.MyZekra.EntryWeek, 0);  // foal creation sets -1, not the reset
  EXPECT_EQ(game.ViewWeek, 0);
  EXPECT_EQ(game.MusicOn, 0);  // not part of the horse
}

TEST(GamePaths, SlotsAndHallOfFameLiveInTheDataFolder) {
  const GamePaths paths{"/home/p/.local/share/zekra", "/usr/share/zekra/Sound"};
  EXPECT_EQ(paths.autosave(), "/home/p/.local/share/zekra/log.dat");
  EXPECT_EQ(paths.slot(1), "/home/p/.local/share/zekra/Data/SaveData1.dat");
  EXPECT_EQ(paths.hallOfFame(8), "/home/p/.local/share/zekra/Data/loglh8.dat");
}

TEST(GamePaths, TheUsersDataFolderFollowsXdg) {
  const char* saved = std::getenv("XDG_DATA_HOME");
  const std::string restore = saved ? saved : "";
  setenv("XDG_DATA_HOME", "/x/data", 1);
  EXPECT_EQ(GamePaths::forUser("/s").dataFolder, "/x/data/zekra");
  unsetenv("XDG_DATA_HOME");
  setenv("HOME", std::getenv("HOME") ? std::getenv("HOME") : "/root", 1);
  EXPECT_EQ(GamePaths::forUser("/s").dataFolder,
            std::filesystem::path(std::getenv("HOME")) / ".local/share/zekra");
  if (saved) setenv("XDG_DATA_HOME", restore.c_str(), 1);
}

TEST(HeadlessHost, RecordsCallsAndAnswersFromItsScript) {
  HeadlessHost host({true});
  host.pause(2.0F, true);
  EXPECT_TRUE(host.askYesNo("続けますか？", "", false));
  host.showScreen(Screen::Form3, ShowMode::Modeless);
  host.mediaPlayer().play();
  EXPECT_EQ(host.calls(), (std::vector<std::string>{"pause 2 events", "ask 続けますか？ -> yes",
                                                    "show Form3 modeless", "music play"}));
  EXPECT_THROW(host.askYesNo("もう一度？", "", true), std::logic_error);
}

}  // namespace
}  // namespace zekra
