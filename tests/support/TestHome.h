#pragma once

#include "platform/Device.h"
#include "platform/MockClock.h"
#include "tests/support/QtPrinters.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace korvel {
class KVSettings;
}

namespace korvel::test {

// Writes `bytes` to `path`, making its folder first and replacing what was there; false when it could not.
bool writeFile(const QString& path, const QByteArray& bytes = QByteArray());
// What `path` holds; "<missing>" when it cannot be read.
QByteArray readFile(const QString& path);

// A device with fixed facts, so records that read the device are the same on every machine.
class FakeDevice final : public Device {
public:
    QString model() const override { return QStringLiteral("Test Panel 10"); }
    QString systemName() const override { return QStringLiteral("Debian GNU/Linux"); }
    QString systemVersion() const override { return QStringLiteral("12"); }
    QString identifierForVendor() const override { return QStringLiteral("00000000-0000-0000-0000-000000000001"); }
    double screenBrightness() const override { return brightness; }
    bool setScreenBrightness(double value) override
    {
        brightness = value;
        return true;
    }

    bool isCellularDevice() const override { return cellular; }

    double brightness = 0.5;
    bool cellular = false;
};

// A fresh home directory, a fake device and a mock clock for each test; the shared objects
// (defaults store, settings container) are dropped before and after.
class TestHome : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString home() const { return m_dir.path(); }
    QString documents() const;
    // Writes `bytes` into Documents as `name` and records it as placed with korvelctl, as an
    // administrator places a file that is to be imported; false when either failed.
    bool placeDocument(const QString& name, const QByteArray& bytes) const;
    // Drops the shared store, container, log and history, as a restart of the process would.
    static void restart();
    // The events logged under `category`, oldest first.
    static QStringList loggedEvents(const QString& category);
    static KVSettings& settings();

    FakeDevice device;
    MockClock clock;

private:
    QTemporaryDir m_dir;
};

}  // namespace korvel::test
