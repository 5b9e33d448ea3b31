#pragma once

namespace korvel {

class NavigationStack;

// Connects the document reader (files/ui) to the engine and the screens it cannot reach itself:
// fetches through the pages' current profile, and the file screens' routes: links in documents
// put to the navigation decision (an allowed one opens in a browser window), and Open in the file
// sheet for PDF files, which opens the reader on `stack`. Called once by the shell's installer.
namespace ReaderHooks {
void install(NavigationStack* stack);
}  // namespace ReaderHooks

}  // namespace korvel
