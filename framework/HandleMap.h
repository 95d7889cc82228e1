// Process-wide map from a handle to the object bound to it. Permanent entries
// belong to objects that bound themselves; temporary wrappers are created on
// demand for handles without an object and owned by the map. Wrappers whose
// handle died are swept when the temporary map grows, so a wrapper lives at
// least as long as its handle.
//
// A process has a few dozen handles at most, so both maps are vectors kept
// sorted by handle: a binary search over them is as fast as hashing here, and
// they keep the C++ library's hash tables out of the executable. One untyped
// map serves every kind of handle, so that its code is in the program once.
#pragma once
#include <memory>
#include <vector>

#include "framework/CObject.h"

class HandleMapCore {
public:
    using IsAlive = bool (*)(const void* handle);
    // A new wrapper for the handle, which the map then owns.
    using MakeWrapper = std::unique_ptr<CObject> (*)(const void* handle);

    CObject* FindPermanent(const void* handle) const;
    CObject* FromHandle(const void* handle, IsAlive isAlive, MakeWrapper make);
    void SetPermanent(const void* handle, CObject* object);
    void RemovePermanent(const void* handle, const CObject* object);

private:
    struct Permanent {
        const void* handle;
        CObject* object;  // borrowed: the object unbinds itself before it dies
    };
    struct Temporary {
        const void* handle;
        std::unique_ptr<CObject> object;
    };

    static constexpr std::size_t kSweepFloor = 64;
    std::vector<Permanent> m_permanent;
    std::vector<Temporary> m_temporary;
    std::size_t m_nextSweep = kSweepFloor;
};

// The map of one kind of handle and the class bound to it.
template <class Handle, class Object>
class HandleMap {
public:
    Object* FindPermanent(Handle handle) const { return static_cast<Object*>(m_core.FindPermanent(handle)); }
    Object* FromHandle(Handle handle, HandleMapCore::IsAlive isAlive, HandleMapCore::MakeWrapper make) {
        return static_cast<Object*>(m_core.FromHandle(handle, isAlive, make));
    }
    void SetPermanent(Handle handle, Object* object) { m_core.SetPermanent(handle, object); }
    void RemovePermanent(Handle handle, const Object* object) { m_core.RemovePermanent(handle, object); }

private:
    HandleMapCore m_core;
};
