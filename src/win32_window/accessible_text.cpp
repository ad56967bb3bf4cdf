// Names and descriptions for screen readers on controls that have no label to name them.
// The GUIDs are defined here, so that no import library of oleacc.dll is needed.
#include <initguid.h>

#include "win32_window/accessible_text.h"

#include <oleacc.h>

#include <array>

#include "win32_window/wide_text.h"

namespace quadrix {
namespace {

// The one annotation service of the thread, created on first use.
IAccPropServices* Service() {
    static IAccPropServices* service = [] {
        IAccPropServices* created = nullptr;
        if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IAccPropServices, reinterpret_cast<void**>(&created)))) {
            return static_cast<IAccPropServices*>(nullptr);
        }
        return created;
    }();
    return service;
}

void SetText(HWND control, const MSAAPROPID& property, std::string_view text) {
    if (IAccPropServices* service = Service()) {
        service->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property,
                                ToWide(text).c_str());
    }
}

}  // namespace

void SetAccessibleName(HWND control, std::string_view name) {
    SetText(control, PROPID_ACC_NAME, name);
}

void SetAccessibleDescription(HWND control, std::string_view description) {
    SetText(control, PROPID_ACC_DESCRIPTION, description);
}

void ForgetAccessibleTexts(HWND control) {
    if (IAccPropServices* service = Service()) {
        std::array<MSAAPROPID, 2> properties{PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};
        service->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                properties.data(), static_cast<int>(properties.size()));
    }
}

}  // namespace quadrix
