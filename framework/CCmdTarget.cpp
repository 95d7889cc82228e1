#include "framework/CCmdTarget.h"

const MessageMap* CCmdTarget::GetThisMessageMap() {
    static const MessageMapEntry entries[] = {{0, 0, 0, 0, EntryKind::End, nullptr, nullptr}};
    static const MessageMap map = {nullptr, entries};
    return &map;
}

const MessageMap* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const MessageMapEntry* CCmdTarget::FindEntry(UINT message, UINT code, UINT id, EntryKind kind) const {
    for (const MessageMap* map = GetMessageMap(); map != nullptr; map = map->base ? map->base() : nullptr) {
        for (const MessageMapEntry* e = map->entries; e->kind != EntryKind::End; ++e) {
            if (e->kind != kind || e->message != message) continue;
            if (kind == EntryKind::Message) return e;
            if (e->code == code && id >= e->idFirst && id <= e->idLast) return e;
        }
    }
    return nullptr;
}

const MessageMapEntry* CCmdTarget::FindRegisteredEntry(UINT message) const {
    // Registered numbers lie in 0xC000..0xFFFF; no other message can match.
    if (message < 0xC000 || message > 0xFFFF) return nullptr;
    for (const MessageMap* map = GetMessageMap(); map != nullptr; map = map->base ? map->base() : nullptr) {
        for (const MessageMapEntry* e = map->entries; e->kind != EntryKind::End; ++e) {
            if (e->kind == EntryKind::Registered && *e->registered == message) return e;
        }
    }
    return nullptr;
}

const MessageMapEntry* CCmdTarget::FindReflectEntry(UINT message, UINT code) const {
    for (const MessageMap* map = GetMessageMap(); map != nullptr; map = map->base ? map->base() : nullptr) {
        for (const MessageMapEntry* e = map->entries; e->kind != EntryKind::End; ++e) {
            if (e->message != message) continue;
            if (e->kind == EntryKind::ReflectMessage) return e;
            if ((e->kind == EntryKind::ReflectCommand || e->kind == EntryKind::ReflectCommandEx) && e->code == code)
                return e;
        }
    }
    return nullptr;
}

bool CCmdTarget::OnCmdMsg(UINT id, UINT code) {
    const MessageMapEntry* e = FindEntry(WM_COMMAND, code, id, EntryKind::Command);
    if (e == nullptr) return false;
    e->thunk(this, 0, 0);
    return true;
}
