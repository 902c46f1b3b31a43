// Shell links: reads the target of a shortcut file through the shell-link
// object, as Explorer would.
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "Driver.h"

namespace wxd {
namespace {

CommandRegistrar shortcutTarget(L"shortcut-target", L"LNKFILE  (prints the path a shortcut points at)", 1,
                                [](const Args& a) {
                                    HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
                                    IShellLinkW* link = nullptr;
                                    IPersistFile* file = nullptr;
                                    std::wstring error;
                                    wchar_t path[MAX_PATH * 4] = L"";
                                    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                                                IID_IShellLinkW, reinterpret_cast<void**>(&link))))
                                        error = L"no shell-link object";
                                    else if (FAILED(link->QueryInterface(IID_IPersistFile,
                                                                         reinterpret_cast<void**>(&file))))
                                        error = L"no IPersistFile";
                                    else if (FAILED(file->Load(a[0].c_str(), STGM_READ)))
                                        error = L"cannot load " + a[0];
                                    else if (link->GetPath(path, MAX_PATH * 4, nullptr, SLGP_RAWPATH) != S_OK)
                                        error = L"the shortcut has no path";
                                    if (file) file->Release();
                                    if (link) link->Release();
                                    if (SUCCEEDED(init)) CoUninitialize();
                                    if (!error.empty()) fail(error);
                                    out(path);
                                });

}  // namespace
}  // namespace wxd
