#pragma once

#include <QApplication>

namespace korvel {

// The application object: it sees every event before it is dispatched.
class KVApplication final : public QApplication {
    Q_OBJECT
public:
    KVApplication(int& argc, char** argv);
};

}  // namespace korvel
