#include "platform/ProtectedPrint.h"

#include "platform/SystemLibrary.h"

#include <inspectable.h>
#include <roapi.h>
#include <winstring.h>

// IWindowsProtectedPrintInfoStatics, which no header of the SDKs that
// build this program declares: IInspectable's methods, then the getter.
// Outside the unnamed namespace on purpose: there, no class of this
// program could implement it, and GCC compiled the call through the
// interface as a call to address 0.
struct WindowsProtectedPrintInfoStatics : IInspectable {
    virtual HRESULT STDMETHODCALLTYPE get_IsProtectedPrintEnabled(boolean* value) = 0;
};

namespace {

const wchar_t ClassName[] = L"Windows.Graphics.Printing.ProtectedPrint.WindowsProtectedPrintInfo";
const IID StaticsInterface = {0xA7D212F3, 0x4168, 0x5485, {0x98, 0xAB, 0xD8, 0x9D, 0x04, 0x60, 0x3B, 0x40}};

// The functions are looked up rather than imported: Windows 7 has no
// combase.dll, and the program would not start there.
struct WindowsRuntime {
    explicit WindowsRuntime(HMODULE module)
        : initialize(systemProcedure<decltype(&RoInitialize)>(module, "RoInitialize")),
          uninitialize(systemProcedure<decltype(&RoUninitialize)>(module, "RoUninitialize")),
          createString(systemProcedure<decltype(&WindowsCreateString)>(module, "WindowsCreateString")),
          deleteString(systemProcedure<decltype(&WindowsDeleteString)>(module, "WindowsDeleteString")),
          activationFactory(systemProcedure<decltype(&RoGetActivationFactory)>(module, "RoGetActivationFactory")) {}
    bool complete() const { return initialize && uninitialize && createString && deleteString && activationFactory; }

    decltype(&RoInitialize) const initialize;
    decltype(&RoUninitialize) const uninitialize;
    decltype(&WindowsCreateString) const createString;
    decltype(&WindowsDeleteString) const deleteString;
    decltype(&RoGetActivationFactory) const activationFactory;
};

std::optional<bool> askClass(const WindowsRuntime& runtime) {
    std::optional<bool> enabled;
    HSTRING name = nullptr;
    if (FAILED(runtime.createString(ClassName, ARRAYSIZE(ClassName) - 1, &name))) return enabled;
    WindowsProtectedPrintInfoStatics* statics = nullptr;
    const HRESULT activated = runtime.activationFactory(name, StaticsInterface, reinterpret_cast<void**>(&statics));
    // Before Windows 11 24H2 the class is not registered, and there is no
    // such mode. Any other refusal leaves the answer unknown: nothing says
    // whether the mode is off then.
    if (activated == REGDB_E_CLASSNOTREG) enabled = false;
    if (SUCCEEDED(activated)) {
        boolean value = 0;
        if (SUCCEEDED(statics->get_IsProtectedPrintEnabled(&value))) enabled = value != 0;
        statics->Release();
    }
    runtime.deleteString(name);
    return enabled;
}

}  // namespace

std::optional<bool> protectedPrintMode() {
    // Windows 7 has no Windows Runtime, and no such mode.
    const HMODULE module = loadSystemLibrary(L"combase.dll");
    if (!module) return false;
    std::optional<bool> enabled;
    const WindowsRuntime runtime(module);
    if (runtime.complete()) {
        // The wizard's one thread is its window thread. A thread already
        // set up for the other model answers RPC_E_CHANGED_MODE and can
        // still activate; only a call that succeeded is balanced.
        const HRESULT initialized = runtime.initialize(RO_INIT_SINGLETHREADED);
        if (SUCCEEDED(initialized) || initialized == RPC_E_CHANGED_MODE) enabled = askClass(runtime);
        if (SUCCEEDED(initialized)) runtime.uninitialize();
    }
    FreeLibrary(module);
    return enabled;
}
