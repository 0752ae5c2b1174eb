// SetUp toggles; see Toggles.h.
#include "app/Toggles.h"

namespace vt {

namespace {

struct ToggleFacts {
    Cmd cmd;
    const char* whileOn; // caption while the setting is on (large, 2, ...)
    const char* whileOff;
    bool (*isOn)(const State&);
    void (*flip)(State&, Controls&);
};

constexpr ToggleFacts kToggles[] = {
    {Cmd::SetErrorBeep, "Set&ErrorBeep Off", "Set&ErrorBeep On",
     [](const State& s) { return s.ErrorBeepOn; }, [](State& s, Controls&) { s.ErrorBeepOn = !s.ErrorBeepOn; }},
    {Cmd::SetSteamDisp, "SetS&teamDisp Off", "SetS&teamDisp On",
     [](const State& s) { return s.SteamDispOn; }, [](State& s, Controls&) { s.SteamDispOn = !s.SteamDispOn; }},
    {Cmd::SetLineWidth, "Set&LineWidth 1", "Set&LineWidth 2",
     [](const State& s) { return s.LineWidth == 2; },
     [](State& s, Controls&) { s.LineWidth = s.LineWidth == 2 ? 1 : 2; }},
    {Cmd::SetFont, "SetSmall&Font", "SetLarge&Font",
     [](const State& s) { return s.FontScaleX != 1.0f; },
     [](State& s, Controls&) {
         const bool large = s.FontScaleX != 1.0f;
         s.FontScaleX = large ? 1.0f : 1.27f;
         s.FontScaleY = large ? 1.0f : 1.22f;
     }},
    {Cmd::SetScreenData, "SetScree&nData Off", "SetScree&nData On",
     [](const State& s) { return s.ScreenDataOn; }, ScreenDataClick},
};

const ToggleFacts* Find(Cmd cmd) {
    for (const ToggleFacts& t : kToggles)
        if (t.cmd == cmd) return &t;
    return nullptr;
}

} // namespace

bool IsToggle(Cmd cmd) { return Find(cmd) != nullptr; }

const char* ToggleCaption(Cmd cmd, const State& s) {
    const ToggleFacts* t = Find(cmd);
    if (!t) return "";
    return t->isOn(s) ? t->whileOn : t->whileOff;
}

void Toggle(Cmd cmd, State& s, Controls& c) {
    if (const ToggleFacts* t = Find(cmd)) t->flip(s, c);
}

} // namespace vt
