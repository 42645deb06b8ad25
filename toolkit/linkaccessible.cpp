#include "toolkit/linkaccessible.h"

#include <oleacc.h>

#include <string>

#include "core/accesskey.h"
#include "platform/win32text.h"

namespace zv {

namespace {

using tcreatestd = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
using tlresultfrom = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);

struct toleacc {
  tcreatestd CreateStd = nullptr;
  tlresultfrom LresultFrom = nullptr;
};

// Loaded once for the process and kept: objects handed out may live on in
// the tools that hold them.
const toleacc& Oleacc() {
  static const toleacc calls = [] {
    toleacc c;
    if (HMODULE module = LoadLibraryA("oleacc.dll")) {
      c.CreateStd = reinterpret_cast<tcreatestd>(
          reinterpret_cast<void*>(GetProcAddress(module, "CreateStdAccessibleObject")));
      c.LresultFrom = reinterpret_cast<tlresultfrom>(
          reinterpret_cast<void*>(GetProcAddress(module, "LresultFromObject")));
    }
    return c;
  }();
  return calls;
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

HRESULT Text(const std::string& text, BSTR* out) {
  if (!out) return E_POINTER;
  const std::wstring wide = WideFromProcess(text);
  *out = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

// Holds only the window: a tool may keep the object after the window has
// gone, and then the system's object answers for it (with an error).
class tlinkaccessible final : public IAccessible {
 public:
  tlinkaccessible(HWND link, IAccessible* standard) : link_(link), std_(standard) {}
  ~tlinkaccessible() { std_->Release(); }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(IAccessible)) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&refs_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IDispatch: the system object's.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override { return std_->GetTypeInfoCount(n); }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT i, LCID l, ITypeInfo** t) override { return std_->GetTypeInfo(i, l, t); }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID r, LPOLESTR* n, UINT c, LCID l, DISPID* d) override {
    return std_->GetIDsOfNames(r, n, c, l, d);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID d, REFIID r, LCID l, WORD f, DISPPARAMS* p, VARIANT* v, EXCEPINFO* e,
                                   UINT* a) override {
    return std_->Invoke(d, r, l, f, p, v, e, a);
  }

  // IAccessible: what makes it a link; the rest is the system's.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!IsSelf(child)) return std_->get_accName(child, name);
    if (!IsWindow(link_)) return E_FAIL;
    return Text(WithoutAccessKeys(WindowText(link_)), name);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!IsSelf(child)) return std_->get_accRole(child, role);
    if (!role) return E_POINTER;
    role->vt = VT_I4;
    role->lVal = ROLE_SYSTEM_LINK;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    const HRESULT hr = std_->get_accState(child, state);
    if (SUCCEEDED(hr) && IsSelf(child) && state && state->vt == VT_I4)
      state->lVal |= STATE_SYSTEM_LINKED | STATE_SYSTEM_FOCUSABLE;
    return hr;
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
    if (!IsSelf(child)) return std_->get_accKeyboardShortcut(child, keys);
    if (!keys) return E_POINTER;
    *keys = nullptr;
    const std::string name = IsWindow(link_) ? AccessKeyName(WindowText(link_)) : std::string();
    return name.empty() ? S_FALSE : Text(name, keys);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    if (!IsSelf(child)) return std_->get_accDefaultAction(child, action);
    return Text("Jump", action);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    if (!IsSelf(child)) return std_->accDoDefaultAction(child);
    if (!IsWindow(link_) || !IsWindowEnabled(link_)) return E_FAIL;
    // Posted: the command may open a window of its own, which must not run
    // inside the tool's call.
    PostMessageA(GetParent(link_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(link_), STN_CLICKED),
                 reinterpret_cast<LPARAM>(link_));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** p) override { return std_->get_accParent(p); }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* n) override { return std_->get_accChildCount(n); }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT c, IDispatch** d) override { return std_->get_accChild(c, d); }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT c, BSTR* v) override { return std_->get_accValue(c, v); }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT c, BSTR* d) override { return std_->get_accDescription(c, d); }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT c, BSTR* h) override { return std_->get_accHelp(c, h); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* f, VARIANT c, LONG* t) override {
    return std_->get_accHelpTopic(f, c, t);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* c) override { return std_->get_accFocus(c); }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* c) override { return std_->get_accSelection(c); }
  HRESULT STDMETHODCALLTYPE accSelect(LONG f, VARIANT c) override { return std_->accSelect(f, c); }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* x, LONG* y, LONG* w, LONG* h, VARIANT c) override {
    return std_->accLocation(x, y, w, h, c);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG d, VARIANT s, VARIANT* e) override { return std_->accNavigate(d, s, e); }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* c) override { return std_->accHitTest(x, y, c); }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT c, BSTR n) override { return std_->put_accName(c, n); }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT c, BSTR v) override { return std_->put_accValue(c, v); }

 private:
  LONG refs_ = 1;
  HWND link_;
  IAccessible* std_;
};

}  // namespace

LRESULT AnswerLinkObject(HWND link, WPARAM wp, LPARAM lp) {
  if (static_cast<LONG>(lp) != OBJID_CLIENT) return 0;
  const toleacc& oleacc = Oleacc();
  if (!oleacc.CreateStd || !oleacc.LresultFrom) return 0;
  IAccessible* standard = nullptr;
  if (FAILED(oleacc.CreateStd(link, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&standard))) ||
      !standard)
    return 0;
  auto* object = new tlinkaccessible(link, standard);
  const LRESULT answer = oleacc.LresultFrom(__uuidof(IAccessible), wp, object);
  object->Release();  // the answer holds its own reference
  return answer < 0 ? 0 : answer;
}

}  // namespace zv
