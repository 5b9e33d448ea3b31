#pragma once

namespace korvel {

class NavigationStack;

// Every way between screens, installed once at launch on the kiosk's `stack`: the browser's own,
// the settings menu behind the password, the file picker for pages and pictures, the reader's
// ways out, and the wake-up of the power saver. remove() takes them all away again.
namespace ShellRoutes {
void install(NavigationStack* stack);
void remove();
}  // namespace ShellRoutes

}  // namespace korvel
