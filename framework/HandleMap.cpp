#include "framework/HandleMap.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace {

// Handles are unrelated pointers; std::less orders them totally.
template <class Vector>
auto LowerBound(Vector& entries, const void* handle) {
    return std::lower_bound(entries.begin(), entries.end(), handle, [](const auto& entry, const void* key) {
        return std::less<const void*>()(entry.handle, key);
    });
}

template <class Vector>
auto Find(Vector& entries, const void* handle) {
    auto it = LowerBound(entries, handle);
    return (it != entries.end() && it->handle == handle) ? it : entries.end();
}

}  // namespace

CObject* HandleMapCore::FindPermanent(const void* handle) const {
    auto it = Find(m_permanent, handle);
    return it == m_permanent.end() ? nullptr : it->object;
}

CObject* HandleMapCore::FromHandle(const void* handle, IsAlive isAlive, MakeWrapper make) {
    if (handle == nullptr) return nullptr;
    if (CObject* object = FindPermanent(handle)) return object;
    auto it = Find(m_temporary, handle);
    if (it != m_temporary.end()) return it->object.get();
    if (m_temporary.size() >= m_nextSweep) {
        // The sweep keeps the order, so the vector stays sorted.
        m_temporary.erase(std::remove_if(m_temporary.begin(), m_temporary.end(),
                                         [&](const Temporary& t) { return !isAlive(t.handle); }),
                          m_temporary.end());
        m_nextSweep = m_temporary.size() * 2 + kSweepFloor;
    }
    std::unique_ptr<CObject> wrapper = make(handle);
    CObject* raw = wrapper.get();
    m_temporary.insert(LowerBound(m_temporary, handle), Temporary{handle, std::move(wrapper)});
    return raw;
}

void HandleMapCore::SetPermanent(const void* handle, CObject* object) {
    auto it = LowerBound(m_permanent, handle);
    if (it != m_permanent.end() && it->handle == handle)
        it->object = object;
    else
        m_permanent.insert(it, Permanent{handle, object});
}

void HandleMapCore::RemovePermanent(const void* handle, const CObject* object) {
    auto it = Find(m_permanent, handle);
    if (it != m_permanent.end() && it->object == object) m_permanent.erase(it);
}
