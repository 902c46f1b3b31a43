// The options window: a modal dialog built from code that shows what an
// OptionsModel holds and passes every change to it. Its texts come from the
// options caption table and change at once with the interface language.
#pragma once

#include <windows.h>

#include <functional>

#include "app/AppLanguage.h"
#include "app/OptionsModel.h"

namespace wx {

enum class OptionsResult { Ok, Cancel, Closed };

// Shows the window modally over owner. help(context) runs for the Help
// button and F1 (the control's help context, else the window's).
OptionsResult ShowOptionsDialog(HWND owner, OptionsModel& model, TAppLanguage& language,
                                const std::function<void(int context)>& help);

}  // namespace wx
