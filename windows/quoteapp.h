// The application: one program per user; a later start hands its request to
// the one that runs; otherwise the main window runs until it is closed.
#pragma once

#include <string>
#include <vector>

namespace sorvanta {

class CQuoteApp {
public:
    // The exit status of the program.
    int InitInstance(const std::vector<std::wstring>& arrArgs);
};

}  // namespace sorvanta
