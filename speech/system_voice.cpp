#include "system_voice.h"

#include <windows.h>

#include <initguid.h>
#include <sapi.h>

#include <vector>

bool SpeakWithSystemVoice(const std::string& text)
{
    int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 0) return false;
    std::vector<WCHAR> wide(length);
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);

    HRESULT initialised = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    bool spoken = false;
    ISpVoice* voice = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice,
                                   reinterpret_cast<void**>(&voice)))) {
        // Without SPF_ASYNC the call returns when the voice has finished.
        spoken = SUCCEEDED(voice->Speak(wide.data(), SPF_DEFAULT | SPF_IS_NOT_XML, nullptr));
        voice->Release();
    }
    if (SUCCEEDED(initialised)) CoUninitialize();
    return spoken;
}
