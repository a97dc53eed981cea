// The play note under the dialog's fields and the mend button below it:
// worked out from the fields once typing pauses, and one mend carried out
// per click.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "settings/game_folders.h"
#include "settings/mend_plan.h"
#include "ui/dialog_disk.h"

namespace kavrin {

class PlayNotePanel {
 public:
  explicit PlayNotePanel(std::string appData) : appData_(std::move(appData)) {}

  // The dialog whose controls it reads and writes.
  void Attach(HWND dialog) { dialog_ = dialog; }
  // The executable or the mod changed: the note follows once typing pauses.
  void FieldsChanged();
  // WM_TIMER; true for the typing pause's timer.
  bool OnTimer(UINT_PTR id);
  // The note and the button for what the controls hold now.
  void Update();
  // Carries out what the button says, then works both out again.
  void OnMend();

  // The game as the fields name it, and the disk as the dialog asks it.
  ChosenGame Game() const;
  const PathQuestions& Disk() const { return disk_; }

 private:
  std::vector<std::string> ListedDemos() const;
  // Carries out the plan; "" when all went well, else the message to show.
  std::string CarryOut(const MendPlan& plan);

  // For as long as the dialog asks the disk, the save after it included.
  QuietDriveErrors quiet_;
  HWND dialog_ = nullptr;
  std::string appData_;
  DialogDisk disk_;
  MendPlan plan_;
};

}  // namespace kavrin
