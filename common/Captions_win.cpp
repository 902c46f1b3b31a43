#include "common/Captions_win.h"

#include "common/AnsiText.h"

namespace wx {

std::wstring CaptionW(const CaptionTable& table, int id) { return Utf8ToWide(table.Text(id)); }

void ApplyCaptions(HWND window, const CaptionTable& table) {
  if (!window) return;
  for (const Caption& row : table.Rows()) {
    if (row.id >= kCaptionMessageBase || row.id < 0) continue;
    HWND target = row.id == kCaptionWindowTitle ? window : GetDlgItem(window, row.id);
    if (target) SetWindowTextW(target, CaptionW(table, row.id).c_str());
  }
}

WindowCaptions::WindowCaptions(HWND window, const CaptionTable& table, std::function<void()> afterApply)
    : window_(window), table_(&table), afterApply_(std::move(afterApply)), listener_([this] { Apply(); }) {
  Apply();
}

void WindowCaptions::Apply() const {
  if (!IsWindow(window_)) return;
  ApplyCaptions(window_, *table_);
  if (afterApply_) afterApply_();
}

}  // namespace wx
