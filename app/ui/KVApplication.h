#pragma once

#include <QApplication>

#include <QByteArray>
#include <QStringList>

#include <functional>
#include <vector>

namespace korvel {

// argc and argv made from a list, alive as long as this object: the application object keeps
// referring to them.
class ArgumentVector {
public:
    explicit ArgumentVector(const QStringList& arguments);

    int& argc() { return m_argc; }
    char** argv() { return m_pointers.data(); }

private:
    std::vector<QByteArray> m_bytes;
    std::vector<char*> m_pointers;
    int m_argc = 0;
};

// The application object: it sees every event first. A touch (or, on a device without a touch
// screen, a mouse press) wakes the power saver, stops the screensaver and, when it begins or ends,
// posts "EventHasOccurred" so every idle timer starts again.
class KVApplication final : public QApplication {
    Q_OBJECT
public:
    KVApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

};

}  // namespace korvel
