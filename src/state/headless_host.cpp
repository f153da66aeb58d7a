#include "state/headless_host.h"

#include <stdexcept>

#include "state/number.h"

namespace zekra {

const char* screenName(Screen screen) {
  switch (screen) {
    case Screen::Form1: return "Form1";
    case Screen::Form3: return "Form3";
    case Screen::FormNewGame: return "FormNewGame";
    case Screen::FormRaceMap: return "FormRaceMap";
    case Screen::Entry: return "Entry";
    case Screen::FormRace: return "FormRace";
    case Screen::FormSave: return "FormSave";
    case Screen::FormLoad: return "FormLoad";
    case Screen::Dialog: return "Dialog";
    case Screen::FormRaceLog: return "FormRaceLog";
    case Screen::FormLegendry: return "FormLegendry";
    case Screen::frmOptions: return "frmOptions";
  }
  return "?";
}

void HeadlessHost::pause(float seconds, bool processEvents) {
  calls_.push_back("pause " + plainText(Number::ofSingle(seconds)) +
                   (processEvents ? " events" : ""));
}

void HeadlessHost::messageBox(const std::string& text, const std::string& title) {
  calls_.push_back("message " + text + (title.empty() ? "" : " [" + title + "]"));
}

bool HeadlessHost::askYesNo(const std::string& text, const std::string&, bool) {
  if (answers_.empty()) throw std::logic_error("no scripted answer for the question: " + text);
  const bool yes = answers_.front();
  answers_.pop_front();
  calls_.push_back("ask " + text + (yes ? " -> yes" : " -> no"));
  return yes;
}

void HeadlessHost::showScreen(Screen screen, ShowMode mode) {
  calls_.push_back(std::string("show ") + screenName(screen) +
                   (mode == ShowMode::Modal ? " modal" : " modeless"));
}

void HeadlessHost::hideScreen(Screen screen) {
  calls_.push_back(std::string("hide ") + screenName(screen));
}

void HeadlessHost::unloadScreen(Screen screen) {
  calls_.push_back(std::string("unload ") + screenName(screen));
}

void HeadlessHost::setUrl(const std::string& path) { calls_.push_back("music url " + path); }
void HeadlessHost::play() { calls_.emplace_back("music play"); }
void HeadlessHost::stop() { calls_.emplace_back("music stop"); }
void HeadlessHost::fastReverse() { calls_.emplace_back("music fast reverse"); }

}  // namespace zekra
