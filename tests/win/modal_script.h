// Runs test steps from a thread timer, which fires inside any modal loop.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace kavrin::testing {

// A step returns true when it is done, false to be called again on the next
// tick (to wait for a window to appear, say). Steps run one at a time, in
// order, on the thread that built the script; start the modal loop after
// building it. A step that keeps waiting for too long fails the script,
// which then ends every dialog of the thread so the test cannot hang.
class ModalScript {
 public:
  using Step = std::function<bool()>;

  explicit ModalScript(std::vector<Step> steps);
  ~ModalScript();
  ModalScript(const ModalScript&) = delete;
  ModalScript& operator=(const ModalScript&) = delete;

  // Whether every step ran to its end.
  bool finished() const { return next_ == steps_.size(); }
  // What the script was waiting for when it gave up; "" when it did not.
  const std::string& failure() const { return failure_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  void RunNextStep();
  void GiveUp();

  std::vector<Step> steps_;
  size_t next_ = 0;
  int ticksOnStep_ = 0;
  bool running_ = false;
  std::string failure_;
  UINT_PTR timer_;
};

// A step that runs `action` once and is done.
ModalScript::Step Do(std::function<void()> action);

// A visible top-level window of this thread with exactly this caption;
// null when there is none.
HWND FindThreadWindow(const char* caption);

// Ends every dialog of this thread, innermost first.
void EndThreadDialogs();

// Posts a button click as the button's parent receives it.
void PostClick(HWND dialog, int id);

}  // namespace kavrin::testing
