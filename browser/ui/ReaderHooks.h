#pragma once

namespace korvel {

class NavigationStack;

// Connects the document reader (files/ui) to the engine and the screens it cannot reach itself:
// fetches through the pages' current profile, and Open in the file sheet for PDF files, which
// pushes the reader on `stack`. Called once when the kiosk's window exists.
namespace ReaderHooks {
void install(NavigationStack* stack);
}  // namespace ReaderHooks

}  // namespace korvel
