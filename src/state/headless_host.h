#pragma once

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "state/host.h"

namespace zekra {

// A host without a display, for tests and zekra-cli: pauses return at once,
// Yes/No questions take their answers from a script (and throw when it runs
// out), and every call is recorded in order so tests can assert on it.
class HeadlessHost final : public Host, public MediaPlayer {
 public:
  explicit HeadlessHost(std::deque<bool> answers = {}) : answers_(std::move(answers)) {}

  void pause(float seconds, bool processEvents) override;
  void messageBox(const std::string& text, const std::string& title) override;
  bool askYesNo(const std::string& text, const std::string& title, bool yesIsDefault) override;
  void showScreen(Screen screen, ShowMode mode) override;
  void hideScreen(Screen screen) override;
  void unloadScreen(Screen screen) override;
  MediaPlayer& mediaPlayer() override { return *this; }

  void setUrl(const std::string& path) override;
  void play() override;
  void stop() override;
  void fastReverse() override;

  void answerNext(bool yes) { answers_.push_back(yes); }
  // One line per call, e.g. "pause 2 events", "message 保存完了", "show Form3 modeless".
  const std::vector<std::string>& calls() const { return calls_; }
  void clearCalls() { calls_.clear(); }

 private:
  std::deque<bool> answers_;
  std::vector<std::string> calls_;
};

// The name of a screen as the rules write it.
const char* screenName(Screen screen);

}  // namespace zekra
