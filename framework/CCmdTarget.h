// Base of every object that has a message map: windows and the application.
#pragma once
#include "framework/Afx.h"
#include "framework/CObject.h"
#include "framework/MessageMap.h"

class CCmdTarget : public CObject {
public:
    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const;

    // Offers a command (WM_COMMAND id and notification code) to this object's
    // map chain; true when a handler took it.
    virtual bool OnCmdMsg(UINT id, UINT code);

protected:
    // The first entry of the chain, derived class first, that matches.
    const MessageMapEntry* FindEntry(UINT message, UINT code, UINT id, EntryKind kind) const;
    const MessageMapEntry* FindReflectEntry(UINT message, UINT code) const;
    // The entry for a message numbered at run time; null for any other.
    const MessageMapEntry* FindRegisteredEntry(UINT message) const;
};
