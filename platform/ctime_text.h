#pragma once
// The C run time's ctime form, formatted here so every host and run time gives the same
// text: "Mon Jan 05 09:07:03 2015\n" (day of month always two digits).
#include <ctime>
#include <string>

namespace platform {

std::string ctimeText(const std::tm& t);

}  // namespace platform
