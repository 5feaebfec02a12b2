// The Windows console as a stream of UTF-8 text: what is written is shown
// through WriteConsoleW, so Cyrillic appears whatever the console's code
// page; what is typed is read through ReadConsoleW.
#pragma once

#include <windows.h>

#include <streambuf>
#include <string>

namespace sorvanta {

// Whether the handle is a console rather than a file or a pipe.
bool IsConsole(HANDLE hStream);

class CConsoleOutput : public std::streambuf {
public:
    explicit CConsoleOutput(HANDLE hConsole) : m_hConsole(hConsole) {}
    ~CConsoleOutput() override { sync(); }

protected:
    int_type overflow(int_type ch) override;
    std::streamsize xsputn(const char* pText, std::streamsize nCount) override;
    int sync() override;

private:
    HANDLE m_hConsole;
    std::string m_strPending;  // UTF-8 not yet shown; an incomplete last character waits for its rest
};

class CConsoleInput : public std::streambuf {
public:
    explicit CConsoleInput(HANDLE hConsole) : m_hConsole(hConsole) {}

protected:
    int_type underflow() override;

private:
    HANDLE m_hConsole;
    std::string m_strRead;
};

}  // namespace sorvanta
