// Static message maps. Each class with a map holds one constant table of
// entries, chained to its base class's table. An entry binds a message (or a
// command or notification from a control id range) to a typed handler through
// a small thunk that unpacks wParam/lParam into the handler's parameters.
#pragma once
#include "framework/Afx.h"
#include "framework/CPoint.h"

class CCmdTarget;
class CWnd;
class CDC;

using MessageThunk = LRESULT (*)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);

enum class EntryKind : unsigned char {
    End,
    Message,           // any window message
    Command,           // WM_COMMAND with a notification code from an id range
    Notify,            // WM_NOTIFY with a code from an id range
    ReflectCommand,    // WM_COMMAND code reflected to the control: handled, parent skipped
    ReflectCommandEx,  // reflected; the handler's BOOL decides whether the parent runs too
    ReflectMessage,    // other reflected messages (WM_CTLCOLOR, WM_DRAWITEM, ...)
    Registered,        // a message numbered at run time (RegisterWindowMessage)
};

struct MessageMapEntry {
    UINT message;
    UINT code;
    UINT idFirst;
    UINT idLast;
    EntryKind kind;
    MessageThunk thunk;
    // Registered entries: the variable that holds the message's number once
    // static initialisation has registered it; 0 there matches nothing.
    const UINT* registered;
};

struct MessageMap {
    const MessageMap* (*base)();
    const MessageMapEntry* entries;
};

// Thunks: one per handler shape, F the member function; the static_cast back
// from the map's owner is safe because the dispatcher only uses an entry with
// an object whose map chain holds it.
namespace msgthunk {
// The class a member-function pointer belongs to: handlers inherited from a
// base class are called on the base.
template <class M>
struct MemberClass;
template <class C, class R, class... A>
struct MemberClass<R (C::*)(A...)> {
    using type = C;
};
template <class M>
using ClassOf = typename MemberClass<M>::type;

template <auto F>
LRESULT Void(CCmdTarget* t, WPARAM, LPARAM) {
    (static_cast<ClassOf<decltype(F)>*>(t)->*F)();
    return 0;
}

template <auto F>
LRESULT Bool(CCmdTarget* t, WPARAM, LPARAM) {
    return (static_cast<ClassOf<decltype(F)>*>(t)->*F)();
}

template <auto F>
LRESULT Raw(CCmdTarget* t, WPARAM w, LPARAM l) {
    return (static_cast<ClassOf<decltype(F)>*>(t)->*F)(w, l);
}

template <auto F>
LRESULT Mouse(CCmdTarget* t, WPARAM w, LPARAM l) {
    (static_cast<ClassOf<decltype(F)>*>(t)->*F)(static_cast<UINT>(w), CPoint::FromLParam(l));
    return 0;
}

template <auto F>
LRESULT Size(CCmdTarget* t, WPARAM w, LPARAM l) {
    (static_cast<ClassOf<decltype(F)>*>(t)->*F)(static_cast<UINT>(w), static_cast<short>(LOWORD(l)),
                                                static_cast<short>(HIWORD(l)));
    return 0;
}

template <auto F>
LRESULT SysCommand(CCmdTarget* t, WPARAM w, LPARAM l) {
    (static_cast<ClassOf<decltype(F)>*>(t)->*F)(static_cast<UINT>(w), l);
    return 0;
}

template <auto F>
LRESULT QueryDragIcon(CCmdTarget* t, WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>((static_cast<ClassOf<decltype(F)>*>(t)->*F)());
}

template <auto F>
LRESULT HelpInfo(CCmdTarget* t, WPARAM, LPARAM l) {
    return (static_cast<ClassOf<decltype(F)>*>(t)->*F)(reinterpret_cast<HELPINFO*>(l));
}

template <auto F>
LRESULT SetCursor(CCmdTarget* t, WPARAM w, LPARAM l) {
    return (static_cast<ClassOf<decltype(F)>*>(t)->*F)(reinterpret_cast<HWND>(w), LOWORD(l), HIWORD(l));
}

template <auto F>
LRESULT FocusChange(CCmdTarget* t, WPARAM w, LPARAM) {
    (static_cast<ClassOf<decltype(F)>*>(t)->*F)(reinterpret_cast<HWND>(w));
    return 0;
}

template <auto F>
LRESULT Activate(CCmdTarget* t, WPARAM w, LPARAM l) {
    (static_cast<ClassOf<decltype(F)>*>(t)->*F)(LOWORD(w), reinterpret_cast<HWND>(l), HIWORD(w) != 0);
    return 0;
}

// A handler of one BOOL that wParam carries.
template <auto F>
LRESULT BoolParam(CCmdTarget* t, WPARAM w, LPARAM) {
    (static_cast<ClassOf<decltype(F)>*>(t)->*F)(static_cast<BOOL>(w));
    return 0;
}

template <auto F>
LRESULT Uint(CCmdTarget* t, WPARAM, LPARAM) {
    return (static_cast<ClassOf<decltype(F)>*>(t)->*F)();
}

template <auto F>
LRESULT MenuChar(CCmdTarget* t, WPARAM w, LPARAM l) {
    return (static_cast<ClassOf<decltype(F)>*>(t)->*F)(LOWORD(w), HIWORD(w), reinterpret_cast<HMENU>(l));
}

template <auto F>
LRESULT MeasureItem(CCmdTarget* t, WPARAM w, LPARAM l) {
    (static_cast<ClassOf<decltype(F)>*>(t)->*F)(static_cast<int>(w), reinterpret_cast<LPMEASUREITEMSTRUCT>(l));
    return TRUE;
}

// Reflected WM_CTLCOLOR*: lParam carries the DC handle of the original message.
template <auto F>
LRESULT CtlColor(CCmdTarget* t, WPARAM w, LPARAM l) {
    return reinterpret_cast<LRESULT>(
        (static_cast<ClassOf<decltype(F)>*>(t)->*F)(reinterpret_cast<HDC>(w), static_cast<UINT>(l)));
}
}  // namespace msgthunk

#define DECLARE_MESSAGE_MAP()                     \
public:                                           \
    static const MessageMap* GetThisMessageMap(); \
    const MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                        \
    const MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const MessageMap* theClass::GetThisMessageMap() {                                 \
        using ThisClass [[maybe_unused]] = theClass;                                  \
        using TheBaseClass = baseClass;                                               \
        static const MessageMapEntry entries[] = {
#define END_MESSAGE_MAP()                                                      \
    { 0, 0, 0, 0, EntryKind::End, nullptr, nullptr }                           \
    }                                                                          \
    ;                                                                          \
    static const MessageMap map = {&TheBaseClass::GetThisMessageMap, entries}; \
    return &map;                                                               \
    }

#define ZV_MSG(msg, shape, fn) {msg, 0, 0, 0, EntryKind::Message, &msgthunk::shape<&ThisClass::fn>, nullptr},

#define ON_MESSAGE(msg, fn) ZV_MSG(msg, Raw, fn)
// registeredVar: a UINT with static storage, set from RegisterWindowMessage.
#define ON_REGISTERED_MESSAGE(registeredVar, fn) \
    {0, 0, 0, 0, EntryKind::Registered, &msgthunk::Raw<&ThisClass::fn>, &(registeredVar)},
#define ON_WM_PAINT() ZV_MSG(WM_PAINT, Void, OnPaint)
#define ON_WM_SYSCOMMAND() ZV_MSG(WM_SYSCOMMAND, SysCommand, OnSysCommand)
#define ON_WM_QUERYDRAGICON() ZV_MSG(WM_QUERYDRAGICON, QueryDragIcon, OnQueryDragIcon)
#define ON_WM_SIZE() ZV_MSG(WM_SIZE, Size, OnSize)
#define ON_WM_LBUTTONDOWN() ZV_MSG(WM_LBUTTONDOWN, Mouse, OnLButtonDown)
#define ON_WM_LBUTTONUP() ZV_MSG(WM_LBUTTONUP, Mouse, OnLButtonUp)
#define ON_WM_RBUTTONDOWN() ZV_MSG(WM_RBUTTONDOWN, Mouse, OnRButtonDown)
#define ON_WM_RBUTTONUP() ZV_MSG(WM_RBUTTONUP, Mouse, OnRButtonUp)
#define ON_WM_MOUSEMOVE() ZV_MSG(WM_MOUSEMOVE, Mouse, OnMouseMove)
#define ON_WM_HELPINFO() ZV_MSG(WM_HELP, HelpInfo, OnHelpInfo)
#define ON_WM_SETCURSOR() ZV_MSG(WM_SETCURSOR, SetCursor, OnSetCursor)
#define ON_WM_KILLFOCUS() ZV_MSG(WM_KILLFOCUS, FocusChange, OnKillFocus)
#define ON_WM_SYSCOLORCHANGE() ZV_MSG(WM_SYSCOLORCHANGE, Void, OnSysColorChange)
#define ON_WM_ACTIVATE() ZV_MSG(WM_ACTIVATE, Activate, OnActivate)
#define ON_WM_ENABLE() ZV_MSG(WM_ENABLE, BoolParam, OnEnable)
#define ON_WM_ENDSESSION() ZV_MSG(WM_ENDSESSION, BoolParam, OnEndSession)
#define ON_WM_CANCELMODE() ZV_MSG(WM_CANCELMODE, Void, OnCancelMode)
#define ON_WM_GETDLGCODE() ZV_MSG(WM_GETDLGCODE, Uint, OnGetDlgCode)
#define ON_WM_MENUCHAR() ZV_MSG(WM_MENUCHAR, MenuChar, OnMenuChar)
#define ON_WM_MEASUREITEM() ZV_MSG(WM_MEASUREITEM, MeasureItem, OnMeasureItem)

#define ON_COMMAND(id, fn) {WM_COMMAND, 0, id, id, EntryKind::Command, &msgthunk::Void<&ThisClass::fn>, nullptr},
#define ON_CONTROL(code, id, fn) \
    {WM_COMMAND, code, id, id, EntryKind::Command, &msgthunk::Void<&ThisClass::fn>, nullptr},
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)

#define ON_CONTROL_REFLECT(code, fn) \
    {WM_COMMAND, code, 0, 0, EntryKind::ReflectCommand, &msgthunk::Void<&ThisClass::fn>, nullptr},
#define ON_CONTROL_REFLECT_EX(code, fn) \
    {WM_COMMAND, code, 0, 0, EntryKind::ReflectCommandEx, &msgthunk::Bool<&ThisClass::fn>, nullptr},
#define ON_WM_CTLCOLOR_REFLECT() \
    {WM_CTLCOLORBTN, 0, 0, 0, EntryKind::ReflectMessage, &msgthunk::CtlColor<&ThisClass::CtlColor>, nullptr},
