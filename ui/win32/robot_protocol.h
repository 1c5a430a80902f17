#pragma once
// What the Win32 backend offers a test robot in another process: the window property that
// names each control, and the registered messages that tell when posted actions are done.

namespace ui::robot_protocol {

// A control's name, as an atom in this window property.
constexpr const wchar_t* controlNameProp = L"ControlName";
// Sent to a form: the number of user actions posted to it and not yet handled.
constexpr const wchar_t* pendingMessage = L"KitUiPending";
// Posted to a form with a number behind earlier actions; sent with 0, it answers the last
// number the form handled.
constexpr const wchar_t* markMessage = L"KitUiMark";

}  // namespace ui::robot_protocol
