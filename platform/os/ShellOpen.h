#pragma once
// Hands a document, a web address or a "MailTo:" address to the desktop's own
// programs (xdg-open), the way the original platform's shell does. The child
// runs on its own; nothing passes through a shell and nobody waits for it.
#include <string>

namespace os {

// False when the opener could not be started.
bool ShellOpen(const std::string& target);

// The program that opens things; tests point it elsewhere.
void SetShellOpener(const std::string& program);

}  // namespace os
