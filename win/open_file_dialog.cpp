#include "win/open_file_dialog.h"

#include <cderr.h>
#include <commdlg.h>

#include "win/file_filter.h"
#include "win/selected_files.h"

namespace kavrin {
namespace {

OpenFileOutcome FailureOutcome() {
  switch (CommDlgExtendedError()) {
    case 0: return OpenFileOutcome::Cancelled;
    case FNERR_BUFFERTOOSMALL: return OpenFileOutcome::BufferTooSmall;
  }
  return OpenFileOutcome::Failed;
}

}  // namespace

OpenFileResult ShowOpenFileDialog(const OpenFileRequest& request) {
  const std::string filter = NulSeparatedFilter(request.filter);
  // Zeroed, so the dialog starts with no file name and the selection ends
  // with an empty string whatever the dialog writes.
  std::string buffer(request.bufferChars + 2, '\0');

  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = request.owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = request.filterIndex;
  dialog.lpstrFile = &buffer[0];
  dialog.nMaxFile = static_cast<DWORD>(request.bufferChars);
  dialog.Flags = request.flags | OFN_EXPLORER;
  if (!request.initialFolder.empty()) dialog.lpstrInitialDir = request.initialFolder.c_str();

  BOOL chosen = GetOpenFileNameA(&dialog);
  // Windows 95, 98 and NT 4.0 refuse the size of 2000 and ME, at once and
  // showing nothing. Later versions take the older size too, but then
  // leave out the places bar: each gets the largest it knows.
  if (!chosen && CommDlgExtendedError() == CDERR_STRUCTSIZE) {
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    chosen = GetOpenFileNameA(&dialog);
  }
  if (!chosen) return {FailureOutcome(), {}};
  return {OpenFileOutcome::Chosen, SelectedFilePaths(buffer)};
}

}  // namespace kavrin
