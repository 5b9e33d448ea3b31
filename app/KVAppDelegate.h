#pragma once

#include <QObject>

namespace korvel {

class KVDatabase;
class KVSettings;
class UserDefaults;

// Holds the long-lived objects of the process and runs the launch sequence.
class KVAppDelegate final : public QObject {
    Q_OBJECT
public:
    static constexpr const char* firstTimeInstalledKey = "FirstTimeInstalled";

    explicit KVAppDelegate(QObject* parent = nullptr);
    ~KVAppDelegate() override;

    // The delegate stored by the launch sequence; nullptr before it.
    static KVAppDelegate* getAppDelegate();

    // The launch sequence. Always returns true.
    bool didFinishLaunching();

    KVSettings* kvSettings = nullptr;
    KVDatabase* kvdatabase = nullptr;
    qint32 state = 0;  // 1 while the settings menu is on screen
    bool powerSaveOn = false;
};

}  // namespace korvel
