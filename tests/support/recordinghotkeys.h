// A hot-key layer that records what the window asks of it.
#pragma once

#include <map>
#include <tuple>
#include <utility>
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
    HotkeyStatus Probe(int, unsigned nModifiers, char chKey) override {
        const auto found = m_probeAnswers.find({nModifiers, chKey});
        return found == m_probeAnswers.end() ? HotkeyStatus::Available : found->second;
    }
    void Press(int nId) { emit HotKeyPressed(nId); }

    std::map<std::pair<unsigned, char>, HotkeyStatus>
        m_probeAnswers;  // by modifiers and character; others are available
    std::vector<std::string> m_arrCalls;
    std::vector<Registration> m_arrRegistered;
};

}  // namespace sorvanta::test
