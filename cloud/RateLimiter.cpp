#include "cloud/RateLimiter.h"

#include <algorithm>

namespace korvel::cloud {

RateLimiter::RateLimiter(int perMinute, int burst)
    : m_perMinute(std::max(0, perMinute))
    , m_burst(std::max(1, burst))
{
}

bool RateLimiter::allow(const std::string& client, std::int64_t nowMs)
{
    if (m_perMinute == 0)
        return true;
    std::lock_guard lock(m_mutex);
    if (m_buckets.size() >= m_nextSweep)
        forgetIdle(nowMs);
    auto [it, fresh] = m_buckets.try_emplace(client, Bucket{double(m_burst), nowMs});
    Bucket& bucket = it->second;
    if (!fresh && nowMs > bucket.updatedMs) {
        bucket.tokens = std::min<double>(m_burst, bucket.tokens + double(nowMs - bucket.updatedMs) * m_perMinute / 60000.0);
        bucket.updatedMs = nowMs;
    }
    if (bucket.tokens < 1.0)
        return false;
    bucket.tokens -= 1.0;
    return true;
}

std::size_t RateLimiter::trackedClients() const
{
    std::lock_guard lock(m_mutex);
    return m_buckets.size();
}

void RateLimiter::forgetIdle(std::int64_t nowMs)
{
    // A client whose bucket has filled up again is indistinguishable from a new one.
    const double fullAfterMs = 60000.0 * m_burst / m_perMinute;
    std::erase_if(m_buckets, [&](const auto& entry) { return double(nowMs - entry.second.updatedMs) >= fullAfterMs; });
    m_nextSweep = std::max<std::size_t>(1024, m_buckets.size() * 2);
}

}  // namespace korvel::cloud
