#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <unordered_map>

namespace korvel::cloud {

// A token bucket per client: `burst` requests at once, refilled at `perMinute` requests a minute.
// Time is given by the caller (milliseconds on any steady scale), so the rule is tested exactly.
// Thread-safe.
class RateLimiter {
public:
    // perMinute 0 switches the limit off.
    RateLimiter(int perMinute, int burst);

    // True when `client` may make a request at `nowMs`; the request is counted.
    bool allow(const std::string& client, std::int64_t nowMs);
    // Clients whose bucket is known (idle ones are forgotten as others arrive).
    std::size_t trackedClients() const;

private:
    struct Bucket {
        double tokens = 0;
        std::int64_t updatedMs = 0;
    };
    void forgetIdle(std::int64_t nowMs);

    const int m_perMinute;
    const int m_burst;
    mutable std::mutex m_mutex;
    std::unordered_map<std::string, Bucket> m_buckets;
    std::size_t m_nextSweep = 1024;
};

}  // namespace korvel::cloud
