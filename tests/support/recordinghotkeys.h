// A hot-key layer that records what the window asks of it.
#pragma once

#include <tuple>
#include <vector>

#include "platform/hotkeys.h"

namespace sorvanta::test {

class CRecordingHotkeys : public CHotkeyLayer {
public:
    using Registration = std::tuple<int, unsigned, char>;

    bool RegisterHotKey(int nId, unsigned nModifiers, char chKey) override {
        m_arrCalls.push_back("register " + std::to_string(nId));
        m_arrRegistered.emplace_back(nId, nModifiers, chKey);
        return true;
    }
    void UnregisterHotKey(int nId) override { m_arrCalls.push_back("unregister " + std::to_string(nId)); }
    void Press(int nId) { emit HotKeyPressed(nId); }

    std::vector<std::string> m_arrCalls;
    std::vector<Registration> m_arrRegistered;
};

}  // namespace sorvanta::test
