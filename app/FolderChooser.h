#pragma once
#include <string>

namespace app {

// A small modal window in which the user names an existing folder. Returns
// true with `folder` set when one was chosen; a folder that does not exist is
// refused with a message.
bool ChooseFolder(std::string& folder);

}  // namespace app
