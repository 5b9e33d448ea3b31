#pragma once

namespace korvel {

class NavigationStack;

// Connects the document reader (files/ui) to the engine and the screens it cannot reach itself:
// fetches through the pages' current profile, links in documents put to the navigation decision
// (an allowed one opens in a browser window), and Open in the file sheet for PDF files, which
// pushes the reader on `stack`. Called once when the kiosk's window exists.
namespace ReaderHooks {
void install(NavigationStack* stack);
}  // namespace ReaderHooks

}  // namespace korvel
