// The program's handlers that live in the window program itself.
#pragma once

namespace app {

// The created event: draws the window with the carried skin.
void ApplyWindowSkin();
// The will-be-destroyed event: writes the output box to the names file and tells the user.
void SaveNamesOnClose();
// The author-link button: opens the author's web page in the browser.
void OpenAuthorPage();

}  // namespace app
