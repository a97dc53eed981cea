// The About box, reached from its button and from the system menu.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "res/version.h"
#include "tests/unit/temp_dir.h"
#include "tests/win/modal_script.h"
#include "ui/about_dialog.h"
#include "ui/saver_config_dialog.h"

namespace kavrin {
namespace {

using testing::FindThreadWindow;
using testing::ModalScript;
using testing::PostClick;
using testing::TempDir;
using Step = ModalScript::Step;

const char kAboutCaption[] = "About Kavrin";

struct MenuItem {
  UINT type;
  UINT id;
  std::string text;
};

std::vector<MenuItem> MenuItems(HMENU menu) {
  std::vector<MenuItem> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[256] = "";
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text;
    GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
    items.push_back({info.fType, info.wID, text});
  }
  return items;
}

// Twice a window's centre, so that odd sizes compare exactly.
POINT DoubleCentre(const RECT& rect) { return {rect.left + rect.right, rect.top + rect.bottom}; }

POINT DoubleCentreOf(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return DoubleCentre(rect);
}

void ExpectSameCentre(POINT a, POINT b, const std::string& what) {
  EXPECT_NEAR(a.x, b.x, 1) << what;
  EXPECT_NEAR(a.y, b.y, 1) << what;
}

class AboutBoxTest : public ::testing::Test {
 protected:
  // Opens the About box with `open`, checks it, closes it with its OK
  // button and waits until it is gone.
  void AddAboutRoundTrip(std::vector<Step>& steps, std::function<void()> open, const std::string& what) {
    steps.push_back([open] {
      open();
      return true;
    });
    steps.push_back([this, what] {
      about_ = FindThreadWindow(kAboutCaption);
      if (about_ == nullptr) return false;
      ++opened_;
      EXPECT_EQ(GetWindow(about_, GW_OWNER), dialog_.hwnd()) << what;
      EXPECT_FALSE(IsWindowEnabled(dialog_.hwnd())) << what << ": the About box is modal";
      EXPECT_NE(FindWindowExA(about_, nullptr, "Static", KAVRIN_ABOUT_VERSION), nullptr) << what;
      // Both templates sit at 0, 0: the dialog base centres them.
      ExpectSameCentre(DoubleCentreOf(about_), DoubleCentreOf(dialog_.hwnd()), what);
      PostClick(about_, IDOK);
      return true;
    });
    steps.push_back([] { return FindThreadWindow(kAboutCaption) == nullptr; });
  }

  Step Do(std::function<void()> action) {
    return [action] {
      action();
      return true;
    };
  }

  void Run(std::vector<Step> steps) {
    steps.push_back(Do([this] { PostClick(dialog_.hwnd(), IDCANCEL); }));
    ModalScript script(std::move(steps));
    dialog_.DoModal();
    EXPECT_TRUE(script.finished()) << script.failure();
  }

  TempDir dir_;
  SaverConfigDialog dialog_{nullptr, {dir_ / "", ""}};
  HWND about_ = nullptr;
  int opened_ = 0;
};

TEST_F(AboutBoxTest, OpensCentredFromItsButtonAndKeepsTheFields) {
  std::vector<Step> steps;
  steps.push_back(Do([this] {
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    ExpectSameCentre(DoubleCentreOf(dialog_.hwnd()), DoubleCentre(work), "in the work area");
    SetDlgItemTextA(dialog_.hwnd(), IDC_MOD_DIR, "ctf");
  }));
  AddAboutRoundTrip(steps, [this] { PostClick(dialog_.hwnd(), IDC_ABOUT); }, "About button");
  steps.push_back(Do([this] {
    EXPECT_EQ(GetItemText(dialog_.hwnd(), IDC_MOD_DIR), "ctf");
    EXPECT_TRUE(IsWindowEnabled(dialog_.hwnd()));
  }));
  Run(std::move(steps));
  EXPECT_EQ(opened_, 1);
}

TEST_F(AboutBoxTest, OpensForEverySystemCommandFrom16To31) {
  std::vector<Step> steps;
  for (UINT command = 16; command <= 31; ++command) {
    AddAboutRoundTrip(steps, [this, command] { PostMessageA(dialog_.hwnd(), WM_SYSCOMMAND, command, 0); },
                      "command " + std::to_string(command));
  }
  Run(std::move(steps));
  EXPECT_EQ(opened_, 16);
}

TEST_F(AboutBoxTest, DoesNotOpenForSystemCommand32) {
  bool seen = true;
  Run({Do([this] { PostMessageA(dialog_.hwnd(), WM_SYSCOMMAND, 32, 0); }),
       // Posted messages are handled before the next timer tick.
       Do([&] { seen = FindThreadWindow(kAboutCaption) != nullptr; })});
  EXPECT_FALSE(seen);
}

TEST_F(AboutBoxTest, SystemMenuEndsWithSeparatorAndAboutItem) {
  std::vector<MenuItem> items;
  Run({Do([&] { items = MenuItems(GetSystemMenu(dialog_.hwnd(), FALSE)); })});
  // Wine appends an "&About Wine" item of its own after ours.
  while (!items.empty() && items.back().text == "&About Wine") items.pop_back();
  ASSERT_GE(items.size(), 2u);
  const MenuItem& separator = items[items.size() - 2];
  const MenuItem& about = items.back();
  EXPECT_TRUE(separator.type & MFT_SEPARATOR);
  EXPECT_EQ(about.id, static_cast<UINT>(IDM_ABOUT));
  EXPECT_EQ(about.text, "&About Test...");
  EXPECT_FALSE(about.type & MFT_SEPARATOR);
}

TEST(AboutDialog, OkAndEscapeEndIt) {
  const struct {
    const char* how;
    std::function<void(HWND)> close;
    INT_PTR result;
  } cases[] = {
      {"OK", [](HWND hwnd) { PostClick(hwnd, IDOK); }, IDOK},
      {"Escape", [](HWND hwnd) { PostMessageA(GetDlgItem(hwnd, IDOK), WM_KEYDOWN, VK_ESCAPE, 0); }, IDCANCEL},
      {"close box", [](HWND hwnd) { PostMessageA(hwnd, WM_CLOSE, 0, 0); }, IDCANCEL},
  };
  for (const auto& c : cases) {
    AboutDialog about(nullptr);
    ModalScript script({[&] {
      if (about.hwnd() == nullptr) return false;
      c.close(about.hwnd());
      return true;
    }});
    EXPECT_EQ(about.DoModal(), c.result) << c.how;
    EXPECT_TRUE(script.finished()) << c.how << ": " << script.failure();
  }
}

}  // namespace
}  // namespace kavrin
