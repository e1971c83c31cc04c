// Stands in for the Windows Runtime class that tells whether Windows
// protected print mode is on, which systems before Windows 11 24H2 (and Wine)
// lack. Registered in a prefix under its class name, it is activated by the
// system's own combase. Built twice: answering on (PROTECTED_PRINT_ENABLED=1)
// and answering off (0). It notes each activation and each question in
// "protected-print.txt" beside itself, with the program that asked.
#include <activation.h>
#include <windows.h>

#include <string>

namespace {

// Windows.Graphics.Printing.ProtectedPrint.IWindowsProtectedPrintInfoStatics:
// IInspectable's six methods, then the property's getter.
const IID kStaticsIid = {0xa7d212f3, 0x4168, 0x5485, {0x98, 0xab, 0xd8, 0x9d, 0x04, 0x60, 0x3b, 0x40}};
struct IProtectedPrintInfoStatics : IInspectable {
    virtual HRESULT STDMETHODCALLTYPE get_IsProtectedPrintEnabled(boolean* value) = 0;
};

HMODULE self;

void note(const char* what) {
    wchar_t path[MAX_PATH];
    char program[MAX_PATH];
    const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH || GetModuleFileNameA(nullptr, program, MAX_PATH) == 0) return;
    std::wstring marker(path, length);
    marker.erase(marker.find_last_of(L'\\') + 1).append(L"protected-print.txt");
    HANDLE file = CreateFileW(marker.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    const std::string line = std::string(what) + " by " + program + "\r\n";
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
}

// One object is the class's factory and its statics, as the system's is.
class Factory final : public IActivationFactory, public IProtectedPrintInfoStatics {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IInspectable) || iid == __uuidof(IActivationFactory))
            *object = static_cast<IActivationFactory*>(this);
        else if (iid == kStaticsIid)
            *object = static_cast<IProtectedPrintInfoStatics*>(this);
        else
            return *object = nullptr, E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE GetIids(ULONG* count, IID** iids) override {
        *count = 0;
        *iids = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetRuntimeClassName(HSTRING* name) override {
        *name = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetTrustLevel(TrustLevel* level) override {
        *level = BaseTrust;
        return S_OK;
    }
    // A static class: nothing to make.
    HRESULT STDMETHODCALLTYPE ActivateInstance(IInspectable** instance) override {
        *instance = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_IsProtectedPrintEnabled(boolean* value) override {
        if (!value) return E_POINTER;
        note("asked");
        *value = PROTECTED_PRINT_ENABLED;
        return S_OK;
    }

private:
    LONG references_ = 1;
};

}  // namespace

extern "C" __declspec(dllexport) HRESULT WINAPI DllGetActivationFactory(HSTRING, IActivationFactory** factory) {
    if (!factory) return E_POINTER;
    note("activated");
    *factory = new Factory;
    return S_OK;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) self = instance;
    return TRUE;
}
