// Process-wide map from a handle to the object bound to it. Permanent entries
// belong to objects that bound themselves; temporary wrappers are created on
// demand for handles without an object and owned by the map. Wrappers whose
// handle died are swept when the temporary map grows, so a wrapper lives at
// least as long as its handle.
#pragma once
#include <memory>
#include <unordered_map>

template <class Handle, class Object>
class HandleMap {
public:
    Object* FindPermanent(Handle h) const {
        auto it = m_permanent.find(h);
        return it == m_permanent.end() ? nullptr : it->second;
    }

    template <class IsAlive, class MakeWrapper>
    Object* FromHandle(Handle h, IsAlive isAlive, MakeWrapper make) {
        if (h == nullptr) return nullptr;
        if (Object* p = FindPermanent(h)) return p;
        auto it = m_temporary.find(h);
        if (it != m_temporary.end()) return it->second.get();
        if (m_temporary.size() >= m_nextSweep) {
            for (auto t = m_temporary.begin(); t != m_temporary.end();)
                t = isAlive(t->first) ? std::next(t) : m_temporary.erase(t);
            m_nextSweep = m_temporary.size() * 2 + kSweepFloor;
        }
        std::unique_ptr<Object> wrapper = make(h);
        Object* raw = wrapper.get();
        m_temporary.emplace(h, std::move(wrapper));
        return raw;
    }

    void SetPermanent(Handle h, Object* p) { m_permanent[h] = p; }
    void RemovePermanent(Handle h, const Object* p) {
        auto it = m_permanent.find(h);
        if (it != m_permanent.end() && it->second == p) m_permanent.erase(it);
    }

private:
    static constexpr size_t kSweepFloor = 64;
    std::unordered_map<Handle, Object*> m_permanent;
    std::unordered_map<Handle, std::unique_ptr<Object>> m_temporary;
    size_t m_nextSweep = kSweepFloor;
};
