#include "platform/win32/client_accessible.h"

#include <array>
#include <new>

#include "platform/accessibility.h"
#include "platform/win32/accessibility.h"
#include "platform/win32/ole_libraries.h"

// The client area as an accessibility object, a translation of the content
// the program describes: each call reads the content afresh, so the object
// always tells the page shown now, and tells nothing once the window is gone.
namespace {

using platform::AccessibleItem;
using platform::AccessibleRole;

constexpr wchar_t kPressAction[] = L"Press";
constexpr int kLongestText = platform::kAccessibleTextRoom;

struct Items {
  std::array<AccessibleItem, platform::kMostAccessibleItems> items;
  int count = 0;
};

LONG roleOf(AccessibleRole role) {
  switch (role) {
    case AccessibleRole::pushButton:
      return ROLE_SYSTEM_PUSHBUTTON;
    case AccessibleRole::editableText:
      return ROLE_SYSTEM_TEXT;
    case AccessibleRole::progressBar:
      return ROLE_SYSTEM_PROGRESSBAR;
    case AccessibleRole::staticText:
      break;
  }
  return ROLE_SYSTEM_STATICTEXT;
}

LONG stateOf(const AccessibleItem& item) {
  LONG state = 0;
  if (item.unavailable) state |= STATE_SYSTEM_UNAVAILABLE;
  if (item.focusable) state |= STATE_SYSTEM_FOCUSABLE;
  if (item.focused) state |= STATE_SYSTEM_FOCUSED;
  if (item.role == AccessibleRole::staticText || item.role == AccessibleRole::progressBar)
    state |= STATE_SYSTEM_READONLY;
  return state;
}

void setNumber(VARIANT* variant, LONG number) {
  variant->vt = VT_I4;
  variant->lVal = number;
}

void setEmpty(VARIANT* variant) {
  variant->vt = VT_EMPTY;
}

class ClientAccessible final : public IAccessible {
 public:
  ClientAccessible(HWND window, const OleLibraries& ole) : window_(window), ole_(ole) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (id != __uuidof(IUnknown) && id != __uuidof(IDispatch) && id != kAccessibleInterfaceId) {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // Screen readers call the accessibility methods directly, never by name.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (parent == nullptr) return E_POINTER;
    return ole_.accessibleObjectFromWindow(window_, static_cast<DWORD>(OBJID_WINDOW),
                                           kAccessibleInterfaceId,
                                           reinterpret_cast<void**>(parent));
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    if (count == nullptr) return E_POINTER;
    return about(self(), [&](const Items& items, const AccessibleItem*) {
      *count = items.count;
      return S_OK;
    });
  }
  // The children are simple elements, known by their numbers only.
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    return about(child, [](const Items&, const AccessibleItem* item) {
      return item != nullptr ? S_FALSE : E_INVALIDARG;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (name == nullptr) return E_POINTER;
    *name = nullptr;
    return about(child, [&](const Items&, const AccessibleItem* item) {
      if (item != nullptr) return item->name[0] != '\0' ? answer(item->name, name) : S_FALSE;
      std::array<wchar_t, kLongestText> title{};
      GetWindowTextW(window_, title.data(), static_cast<int>(title.size()));
      return answer(title.data(), name);
    });
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    if (value == nullptr) return E_POINTER;
    *value = nullptr;
    return about(child, [&](const Items&, const AccessibleItem* item) {
      const bool hasValue = item != nullptr && (item->role == AccessibleRole::editableText ||
                                                item->role == AccessibleRole::progressBar);
      return hasValue ? answer(item->value, value) : S_FALSE;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    return nothing(child, text);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (role == nullptr) return E_POINTER;
    return about(child, [&](const Items&, const AccessibleItem* item) {
      // The wizard's pages are a dialog's pages: a reader reads a dialog's text.
      setNumber(role, item != nullptr ? roleOf(item->role) : ROLE_SYSTEM_DIALOG);
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (state == nullptr) return E_POINTER;
    return about(child, [&](const Items& items, const AccessibleItem* item) {
      if (item != nullptr) {
        setNumber(state, stateOf(*item));
      } else {
        const bool focused = GetFocus() == window_ && focusedChild(items) == CHILDID_SELF;
        setNumber(state, STATE_SYSTEM_FOCUSABLE | (focused ? STATE_SYSTEM_FOCUSED : 0));
      }
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override {
    return nothing(child, text);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override {
    if (file == nullptr || topic == nullptr) return E_POINTER;
    *file = nullptr;
    *topic = 0;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* text) override {
    return nothing(child, text);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    if (focus == nullptr) return E_POINTER;
    setEmpty(focus);
    return about(self(), [&](const Items& items, const AccessibleItem*) {
      if (GetFocus() != window_) return S_FALSE;
      setNumber(focus, focusedChild(items));
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    if (selection == nullptr) return E_POINTER;
    setEmpty(selection);
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    if (action == nullptr) return E_POINTER;
    *action = nullptr;
    return about(child, [&](const Items&, const AccessibleItem* item) {
      return item != nullptr && item->pressable ? answer(kPressAction, action) : S_FALSE;
    });
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override {
    if (left == nullptr || top == nullptr || width == nullptr || height == nullptr)
      return E_POINTER;
    return about(child, [&](const Items&, const AccessibleItem* item) {
      RECT client = {};
      GetClientRect(window_, &client);
      POINT origin = {0, 0};
      ClientToScreen(window_, &origin);
      *left = origin.x + (item != nullptr ? item->x : 0);
      *top = origin.y + (item != nullptr ? item->y : 0);
      *width = item != nullptr ? item->width : client.right;
      *height = item != nullptr ? item->height : client.bottom;
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    if (end == nullptr) return E_POINTER;
    setEmpty(end);
    return about(start, [&](const Items& items, const AccessibleItem* item) {
      LONG to = 0;
      if (item == nullptr && direction == NAVDIR_FIRSTCHILD) to = 1;
      if (item == nullptr && direction == NAVDIR_LASTCHILD) to = items.count;
      if (item != nullptr && direction == NAVDIR_NEXT) to = start.lVal + 1;
      if (item != nullptr && direction == NAVDIR_PREVIOUS) to = start.lVal - 1;
      if (to < 1 || to > items.count) return S_FALSE;
      setNumber(end, to);
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* hit) override {
    if (hit == nullptr) return E_POINTER;
    setEmpty(hit);
    return about(self(), [&](const Items& items, const AccessibleItem*) {
      POINT point = {x, y};
      ScreenToClient(window_, &point);
      RECT client = {};
      GetClientRect(window_, &client);
      if (!PtInRect(&client, point)) return S_FALSE;
      LONG child = CHILDID_SELF;
      for (int i = 0; i < items.count; ++i) {
        const AccessibleItem& item = items.items[static_cast<size_t>(i)];
        if (point.x >= item.x && point.x < item.x + item.width && point.y >= item.y &&
            point.y < item.y + item.height)
          child = i + 1;
      }
      setNumber(hit, child);
      return S_OK;
    });
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    return about(child, [&](const Items&, const AccessibleItem* item) {
      platform::AccessibleContent* content = accessibleContentOf(window_);
      const bool pressed =
          item != nullptr && content != nullptr && content->pressAccessibleItem(child.lVal - 1);
      return pressed ? S_OK : DISP_E_MEMBERNOTFOUND;
    });
  }
  // Names and values are the program's own.
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  ~ClientAccessible() = default;

  static VARIANT self() {
    VARIANT client = {};
    setNumber(&client, CHILDID_SELF);
    return client;
  }

  // Reads the items afresh and answers about the one `child` names, null
  // for the client area itself; fails once the window no longer serves its
  // content, or for a child it does not have.
  template <typename Answer>
  HRESULT about(const VARIANT& child, Answer answerWith) const {
    platform::AccessibleContent* content = accessibleContentOf(window_);
    if (content == nullptr) return CO_E_OBJNOTCONNECTED;
    Items items;
    items.count = content->accessibleItems(items.items);
    if (child.vt != VT_I4 || child.lVal < 0 || child.lVal > items.count) return E_INVALIDARG;
    const AccessibleItem* item =
        child.lVal != CHILDID_SELF ? &items.items[static_cast<size_t>(child.lVal - 1)] : nullptr;
    return answerWith(items, item);
  }

  static LONG focusedChild(const Items& items) {
    for (int i = 0; i < items.count; ++i)
      if (items.items[static_cast<size_t>(i)].focused) return i + 1;
    return CHILDID_SELF;
  }

  // No item has a description, help or shortcut.
  HRESULT nothing(const VARIANT& child, BSTR* text) const {
    if (text == nullptr) return E_POINTER;
    *text = nullptr;
    return about(child, [](const Items&, const AccessibleItem*) { return S_FALSE; });
  }

  HRESULT answer(const wchar_t* text, BSTR* out) const {
    *out = ole_.allocString(text);
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
  }
  // The program's texts are Windows-1252, whatever the system's code page.
  HRESULT answer(const char* text, BSTR* out) const {
    std::array<wchar_t, kLongestText> wide{};
    if (MultiByteToWideChar(1252, 0, text, -1, wide.data(), static_cast<int>(wide.size())) == 0)
      return E_FAIL;
    return answer(wide.data(), out);
  }

  LONG references_ = 1;
  const HWND window_;
  const OleLibraries& ole_;
};

}  // namespace

LRESULT answerClientObjectRequest(HWND window, WPARAM request) {
  if (accessibleContentOf(window) == nullptr) return 0;
  const OleLibraries* ole = oleLibraries();
  if (ole == nullptr) return 0;
  ClientAccessible* object = new (std::nothrow) ClientAccessible(window, *ole);
  if (object == nullptr) return 0;
  const LRESULT answer = ole->lresultFromObject(kAccessibleInterfaceId, request, object);
  object->Release();
  return answer > 0 ? answer : 0;
}
