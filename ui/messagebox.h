// Modal messages to the user, with a sink that tests can replace.
#pragma once

#include <QString>
#include <functional>
#include <string>

namespace sorvanta {

using MessageSink = std::function<void(const QString&)>;

// Shows a modal message box with an OK button, titled with the application
// name, and returns when the user has closed it.
void AfxMessageBox(const QString& text);
// The same for a code page 1251 text.
void AfxMessageBox(const std::string& strCp1251);

// While alive, messages go to `sink` instead of a message box.
class CMessageSinkOverride {
public:
    explicit CMessageSinkOverride(MessageSink sink);
    ~CMessageSinkOverride();
    CMessageSinkOverride(const CMessageSinkOverride&) = delete;
    CMessageSinkOverride& operator=(const CMessageSinkOverride&) = delete;

private:
    MessageSink m_pfnPrevious;
};

}  // namespace sorvanta
