// Process-wide map from a handle to the object bound to it. Permanent entries
// belong to objects that bound themselves; temporary wrappers are created on
// demand for handles without an object and owned by the map. Wrappers whose
// handle died are swept when the temporary map grows, so a wrapper lives at
// least as long as its handle.
//
// A process has a few dozen handles at most, so both maps are vectors kept
// sorted by handle: a binary search over them is as fast as hashing here, and
// they keep the C++ library's hash tables out of the executable.
#pragma once
#include <algorithm>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

template <class Handle, class Object>
class HandleMap {
public:
    Object* FindPermanent(Handle h) const {
        auto it = Find(m_permanent, h);
        return it == m_permanent.end() ? nullptr : it->object;
    }

    template <class IsAlive, class MakeWrapper>
    Object* FromHandle(Handle h, IsAlive isAlive, MakeWrapper make) {
        if (h == nullptr) return nullptr;
        if (Object* p = FindPermanent(h)) return p;
        auto it = Find(m_temporary, h);
        if (it != m_temporary.end()) return it->object.get();
        if (m_temporary.size() >= m_nextSweep) {
            // The sweep keeps the order, so the vector stays sorted.
            m_temporary.erase(std::remove_if(m_temporary.begin(), m_temporary.end(),
                                             [&](const Temporary& t) { return !isAlive(t.handle); }),
                              m_temporary.end());
            m_nextSweep = m_temporary.size() * 2 + kSweepFloor;
        }
        std::unique_ptr<Object> wrapper = make(h);
        Object* raw = wrapper.get();
        m_temporary.insert(LowerBound(m_temporary, h), Temporary{h, std::move(wrapper)});
        return raw;
    }

    void SetPermanent(Handle h, Object* p) {
        auto it = LowerBound(m_permanent, h);
        if (it != m_permanent.end() && it->handle == h)
            it->object = p;
        else
            m_permanent.insert(it, Permanent{h, p});
    }

    void RemovePermanent(Handle h, const Object* p) {
        auto it = Find(m_permanent, h);
        if (it != m_permanent.end() && it->object == p) m_permanent.erase(it);
    }

private:
    struct Permanent {
        Handle handle;
        Object* object;  // borrowed: the object unbinds itself before it dies
    };
    struct Temporary {
        Handle handle;
        std::unique_ptr<Object> object;
    };

    // Handles are unrelated pointers; std::less orders them totally.
    template <class Vector>
    static auto LowerBound(Vector& v, Handle h) {
        return std::lower_bound(v.begin(), v.end(), h,
                                [](const auto& entry, Handle key) { return std::less<Handle>()(entry.handle, key); });
    }

    template <class Vector>
    static auto Find(Vector& v, Handle h) {
        auto it = LowerBound(v, h);
        return (it != v.end() && it->handle == h) ? it : v.end();
    }

    static constexpr size_t kSweepFloor = 64;
    std::vector<Permanent> m_permanent;
    std::vector<Temporary> m_temporary;
    size_t m_nextSweep = kSweepFloor;
};
