// Modal messages to the user, with a sink that tests can replace.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <string>

namespace sorvanta {

using MessageSink = std::function<void(const QString&)>;

// Shows a modal message box with an OK button, titled with the application
// name, and returns when the user has closed it.
void AfxMessageBox(const QString& text);
// The same for a code page 1251 text.
void AfxMessageBox(const std::string& strCp1251);

// Shows the messages one box each, as long as they are few; of more than
// kMessagesOneByOne, the rest go into one last box that counts and lists them.
inline constexpr std::size_t kMessagesOneByOne = 5;
void AfxMessageBoxes(const QStringList& messages);

// The program is ending: the box on the screen closes and no further box
// opens, so nothing holds the ending up.
void EndMessageBoxes();

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
