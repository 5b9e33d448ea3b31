#pragma once

namespace korvel {

// One line under "Settings" for every preference a save or an import changed, naming who changed
// it (the screens, korvelctl, an import) and the value before and after; a secret shows only
// whether it is set. Installed by the programs that change settings (korvel, korvelctl).
class PreferenceChangeLog {
public:
    static void install();
};

}  // namespace korvel
