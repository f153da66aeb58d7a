#pragma once

#include <string>

namespace zekra {

// The game's windows, by the names the rules give them.
enum class Screen {
  Form1,         // the ranch (main screen)
  Form3,         // the foal and questionnaire
  FormNewGame,   // the new-ranch dialog
  FormRaceMap,   // the race table
  Entry,         // race registration
  FormRace,      // the race
  FormSave,      // stable slots: save
  FormLoad,      // stable slots: load
  Dialog,        // the training record
  FormRaceLog,   // the race record
  FormLegendry,  // the hall of fame
  frmOptions,    // the special abilities
};

enum class ShowMode { Modeless, Modal };

// What the music rules ask of the platform's player.
class MediaPlayer {
 public:
  virtual ~MediaPlayer() = default;
  virtual void setUrl(const std::string& path) = 0;
  virtual void play() = 0;
  virtual void stop() = 0;
  virtual void fastReverse() = 0;
};

// The platform services the game logic calls. The Qt host implements them for
// real; the headless host skips waits and answers questions from a script.
class Host {
 public:
  virtual ~Host() = default;
  // Waits; with processEvents the interface keeps handling input meanwhile,
  // so another handler may run inside the pause.
  virtual void pause(float seconds, bool processEvents) = 0;
  virtual void messageBox(const std::string& text, const std::string& title) = 0;
  // A Yes/No question; true for Yes.
  virtual bool askYesNo(const std::string& text, const std::string& title, bool yesIsDefault) = 0;
  virtual void showScreen(Screen screen, ShowMode mode) = 0;
  virtual void hideScreen(Screen screen) = 0;
  virtual void unloadScreen(Screen screen) = 0;
  virtual MediaPlayer& mediaPlayer() = 0;
};

}  // namespace zekra
