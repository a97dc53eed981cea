// The play note under the dialog's fields and the mend button below it: a
// part of the configuration dialog that owns these two controls and no
// other. It works the note out from what the dialog holds once typing
// pauses, and carries out one mend per click.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "games/game_folders.h"
#include "games/mend_plan.h"
#include "ui/dialog_disk.h"

namespace kavrin {

// What the dialog holds, as the save would take it.
struct HeldChoices {
  std::string exePath;
  std::string modDir;
  std::vector<std::string> demos;  // the listed demos, at most kMaxDemos
};

// What a mend changed in the dialog's fields, also when it stopped part way.
struct MendChanges {
  std::string mod;  // what the mod field says now; "" to leave it
  // For each list entry, the copy that stands for it now; "" to leave it.
  std::vector<std::string> entries;
};

// The dialog as the note's part sees it.
class PlayNoteHost {
 public:
  // What its controls hold now.
  virtual HeldChoices Held() const = 0;
  // Puts what a mend changed into its controls.
  virtual void Mended(const MendChanges& changes) = 0;

 protected:
  ~PlayNoteHost() = default;
};

class PlayNotePanel {
 public:
  PlayNotePanel(PlayNoteHost& host, std::string appData) : host_(host), appData_(std::move(appData)) {}

  // The dialog window that holds the note's controls.
  void Attach(HWND dialog) { dialog_ = dialog; }
  // The executable or the mod changed: the note follows once typing pauses.
  void FieldsChanged();
  // The note and the button for what the dialog holds now.
  void Update();
  // The part's message map, chained ahead of the dialog's: the typing
  // pause's timer and the button's clicks.
  bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

  // The game as the dialog's fields name it, and the disk as the dialog asks it.
  ChosenGame Game() const;
  const PathQuestions& Disk() const { return disk_; }

 private:
  void OnTypingPause();
  void OnMend();
  // Carries out the plan on the listed demos; "" when all went well, else
  // the message to show. `changes` gets what was done either way.
  std::string CarryOut(const std::vector<std::string>& demos, MendChanges& changes);
  void ShowNote(const std::string& text);
  void ShowMendButton();

  PlayNoteHost& host_;
  HWND dialog_ = nullptr;
  std::string appData_;
  DialogDisk disk_;
  MendPlan plan_;
};

}  // namespace kavrin
