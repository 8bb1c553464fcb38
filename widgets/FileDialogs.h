#pragma once

class QFileDialog;

namespace sim {

// The file dialogs the window shows: Windows' own on Windows, whose buttons and name field are
// told the toolkit's words in the program's language (the rest is the system's, in the language
// the program asked the system for); elsewhere the toolkit's own, which speaks the program's
// language throughout and which the tests drive. Call once the accept mode is set.
void PrepareFileDialog(QFileDialog& dialog);

}  // namespace sim
